// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "chart_analysis.h"

namespace qxcast {

// Appends one JSON object on one line, ending with a newline: the chart, the Reconciler and the
// Judge's texts, then what the analysis holds, each under keys that come after the ones before.
void appendJson(std::string& out, const geomancy::ChartAnalysis& analysis);

// `text` as a JSON string literal, quotes included. UTF-8 passes through unchanged.
void appendJsonString(std::string& out, std::string_view text);

}  // namespace qxcast
