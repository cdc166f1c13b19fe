// SPDX-License-Identifier: MIT
#pragma once

#include "chart_analysis.h"
#include "text_buffer.h"
#include "judgement.h"

namespace formats {

// The handbook's reading in a reading's JSON line: the keys "meanings" (the twelve houses' cells of
// chapter V, house 1 first) and "reading" (the topic, the house of the demand, the order, whether
// the chart is fit, the testimonies, their balance and the Witnesses' answers under the ten
// heads), each with the comma before it.
void appendJudgementJson(TextBuffer& out, const geomancy::ChartAnalysis& analysis,
                         const handbook::Judgement& judgement);

}  // namespace formats
