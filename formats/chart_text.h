// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "chart_analysis.h"

namespace handbook {
struct Judgement;
}

// A reading as plain text for a terminal: ASCII only, within 80 columns.
namespace formats {

// The Shield chart as geomancers draw it, read from right to left (the Mothers and Daughters
// across the top, Mother 1 at the far right, the Nieces, the Witnesses, and the Judge with the
// Reconciler beside it) and every figure's name by its position; whether the chart is halted; the
// Judge's texts; then the houses and the perfection, as far as the analysis holds them. A question
// stands above it all, as "Question: " and the question as it was asked, then a blank line: the
// user's own text, so the one line that may not be ASCII or fit in 80 columns.
// The handbook's reading, when given, comes last.
void appendPlain(std::string& out, const geomancy::ChartAnalysis& analysis,
                 std::string_view question = {}, const handbook::Judgement* judgement = nullptr);

// "Perfection between house M, the querent's, and house N, the quesited's" and a line end.
void appendPerfectionHeading(std::string& out, int querent, int quesited);

// The parts of the plain text, each as appendPlain() writes it. The perfection the analysis holds:
// its heading, the modes, the aspects, the company and the verdict, then a blank line.
void appendPerfection(std::string& out, const geomancy::ChartAnalysis& analysis);
// The houses the analysis holds: their figures, the company of houses, the court, the Index and
// the Way of the Point, then a blank line.
void appendHouses(std::string& out, const geomancy::ChartAnalysis& analysis);
// The Judge's name and catalogue texts.
void appendJudgeTexts(std::string& out, geomancy::FigureMask judge);

}  // namespace formats
