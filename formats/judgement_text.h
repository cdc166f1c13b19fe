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

// The same reading as a page of words, as QX Geomancy Chart shows it: the question, the balance,
// each testimony with its source, the perfection, the houses (the Index, the Way of the Point,
// the company of houses), the Witnesses' answers, what each house's figure means there, and the
// Judge's texts. The chart itself is drawn beside it, not in the text.
void appendReadingInWords(std::string& out, const geomancy::ChartAnalysis& analysis,
                          const handbook::Judgement& judgement, std::string_view question);

// The testimony's sentence, its pieces joined.
[[nodiscard]] std::string saying(const handbook::Testimony& testimony);

// "Chapter IV, p. 148".
[[nodiscard]] std::string sourceText(handbook::Source source);

// What the step reads: "The Witnesses and the Judge", "The Reconciler".
[[nodiscard]] std::string_view stepTitle(handbook::Step step) noexcept;

}  // namespace formats
