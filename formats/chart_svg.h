// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "chart_layout.h"

namespace formats {

// The layout as an SVG 1.1 document: the points as filled circles, each group a <g> with its id,
// the boxes as rectangles of class "box" where they frame a figure or a text.
[[nodiscard]] std::string svgOf(const ChartLayout& layout);

// The reading's picture as SVG (see layOutChart for what it shows).
[[nodiscard]] std::string chartSvg(const geomancy::ChartAnalysis& analysis,
                                   const ChartHeading& heading = {});

}  // namespace formats
