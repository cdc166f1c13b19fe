// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "chart_analysis.h"
#include "judgement.h"

namespace formats {

// The handbook's reading as plain text within 80 columns: the question it judges, the balance and
// its summary, each testimony with its source, the Witnesses' answers under the ten heads as
// printed, and what each house's figure means there.
void appendJudgementPlain(std::string& out, const geomancy::ChartAnalysis& analysis,
                          const handbook::Judgement& judgement);

// The testimony's sentence, its pieces joined.
[[nodiscard]] std::string saying(const handbook::Testimony& testimony);

// "Chapter IV, p. 148".
[[nodiscard]] std::string sourceText(handbook::Source source);

// What the step reads: "The Witnesses and the Judge", "The Reconciler".
[[nodiscard]] std::string_view stepTitle(handbook::Step step) noexcept;

}  // namespace formats
