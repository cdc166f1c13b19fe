// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "chart_analysis.h"

// A reading as plain text for a terminal: ASCII only, within 80 columns.
namespace qxcast {

// The Shield chart as geomancers draw it, read from right to left (the Mothers and Daughters
// across the top, Mother 1 at the far right, the Nieces, the Witnesses, and the Judge with the
// Reconciler beside it) and every figure's name by its position; whether the chart is halted; the
// Judge's texts; then the houses and the perfection, as far as the analysis holds them.
void appendPlain(std::string& out, const geomancy::ChartAnalysis& analysis);

// "Perfection between house M, the querent's, and house N, the quesited's" and a line end.
void appendPerfectionHeading(std::string& out, int querent, int quesited);

}  // namespace qxcast
