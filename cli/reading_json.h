// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "chart_analysis.h"

namespace qxcast {

// The chart's positions as the JSON groups them: name, first position, number of figures. The
// Judge and the Reconciler follow them, each a figure of its own.
struct JsonGroup {
  std::string_view name;
  int first;
  int count;
};
inline constexpr std::array<JsonGroup, 4> kJsonGroups{{
    {"mothers", 0, geomancy::kMotherCount},
    {"daughters", geomancy::kFirstDaughter, geomancy::kFirstNiece - geomancy::kFirstDaughter},
    {"nieces", geomancy::kFirstNiece, geomancy::kRightWitness - geomancy::kFirstNiece},
    {"witnesses", geomancy::kRightWitness, geomancy::kJudgePosition - geomancy::kRightWitness},
}};

// The most a JSON line can take, newline included, and the room that writeJson() needs.
inline constexpr std::size_t kJsonLineRoom = 16384;

// Writes one JSON object on one line, ending with a newline, from `at` on, where there must be
// kJsonLineRoom bytes of room (more than the line: pieces are copied in fixed sizes); returns the
// end of the line. The chart, the Reconciler and the Judge's texts come first, then what the
// analysis holds, each under keys that come after the ones before.
char* writeJson(char* at, const geomancy::ChartAnalysis& analysis);

// `text` as a JSON string literal, quotes included. UTF-8 passes through unchanged.
void appendJsonString(std::string& out, std::string_view text);

}  // namespace qxcast
