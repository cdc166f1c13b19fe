// SPDX-License-Identifier: MIT
#include "chart_analysis.h"

namespace geomancy {

ChartAnalysis analyseReading(const Reading& reading, const AnalysisRequest& request) {
  ChartAnalysis analysis{reading, std::nullopt, std::nullopt, false};
  const ShieldMasks& chart = reading.chart;
  if (request.houses) {
    HouseAnalysis& houses = analysis.houses.emplace();
    houses.index = partOfFortune(chart);
    for (int row = 1; row <= kRowsPerFigure; ++row) houses.ways[row - 1] = wayCase(chart, row);
    houses.company = companyOfHouses(chart);
  }
  if (request.question) {
    analysis.perfection = perfection(chart, request.question->querent, request.question->quesited);
  }
  analysis.halted = analysis.judged() && halted(chart);
  return analysis;
}

}  // namespace geomancy
