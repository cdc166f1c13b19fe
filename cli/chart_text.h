// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "house_chart.h"
#include "reading.h"

// A reading as plain text for a terminal: ASCII only, within 80 columns.
namespace qxcast {

// The Shield chart as geomancers draw it, read from right to left: the Mothers and Daughters
// across the top (Mother 1 at the far right), the Nieces, the Witnesses, and the Judge with the
// Reconciler beside it; then every figure's name by its position.
void appendShieldDrawing(std::string& out, const Reading& reading);

// The twelve houses and the court, the Index and the Way of the Point of each row.
void appendHouses(std::string& out, const Reading& reading);

// "Perfection between house M, the querent's, and house N, the quesited's" and a line end.
void appendPerfectionHeading(std::string& out, int querent, int quesited);

// Every mode of perfection found between the two houses, or that there is none.
void appendPerfection(std::string& out, const geomancy::Perfection& perfection);

}  // namespace qxcast
