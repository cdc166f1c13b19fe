// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "cast_time.h"
#include "chart_analysis.h"
#include "text_buffer.h"

namespace handbook {
struct Judgement;
}

namespace formats {

// What makes a reading's JSON line a journal line: when it was cast, and the options it was
// analysed with, so that it can be drawn again.
struct JournalKeys {
  CastTime castAt;
  geomancy::AnalysisRequest request;
  bool byHand = false;  // the figures were cast by the user and entered, not cast here
};

// The reading as one JSON object on one line, with its line end, appended to `out`: the chart, the
// Reconciler and the Judge's texts first, then what the analysis holds, then the handbook's
// reading, if given, then the question, if one was asked, then the journal's keys, if given; each
// under keys that come after the ones before.
void appendJsonLine(TextBuffer& out, const geomancy::ChartAnalysis& analysis,
                    std::string_view question = {}, const JournalKeys* journal = nullptr,
                    const handbook::Judgement* judgement = nullptr);

}  // namespace formats
