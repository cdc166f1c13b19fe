// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "cast_time.h"
#include "chart_analysis.h"

namespace formats {

// The reading as an SVG 1.1 picture, laid out as the text chart: the points as filled circles,
// each figure in a group of its own (id "mother-1" ... "judge", "reconciler") with its position
// and name beneath, the Judge and the Reconciler framed and in bold. When the analysis holds the
// houses, the house chart stands beside it, a group for each house ("house-1" ... "house-12").
// What stands above the chart: the reading's question and when it was cast. Either may be
// missing, and then it is left out.
struct ChartHeading {
  std::string question;
  std::optional<CastTime> castAt;
};

[[nodiscard]] std::string chartSvg(const geomancy::ChartAnalysis& analysis,
                                   const ChartHeading& heading = {});

}  // namespace formats
