// SPDX-License-Identifier: MIT
#include "odds_output.h"

#include <array>
#include <cstdio>
#include <string_view>
#include <utility>

#include "catalogue.h"
#include "chart_text.h"
#include "reading.h"

namespace qxcast {
namespace {

using Counts = geomancy::ExactOdds::PerfectionCounts;

constexpr std::array<std::pair<std::string_view, std::uint32_t Counts::*>, 5> kModes{{
    {"occupation", &Counts::occupation},
    {"conjunction", &Counts::conjunction},
    {"mutation", &Counts::mutation},
    {"translation", &Counts::translation},
    {"perfects", &Counts::perfects},
}};

// "label   count  percent%", the count exact and the share of all sets to four places.
void appendCountLine(std::string& out, std::string_view label, std::uint32_t count) {
  std::array<char, 96> line{};
  const double percent = 100.0 * count / geomancy::ExactOdds::kSets;
  const int length = std::snprintf(line.data(), line.size(), "  %-36.*s %6u %9.4f%%\n",
                                   static_cast<int>(label.size()), label.data(), count, percent);
  out.append(line.data(), static_cast<std::size_t>(length));
}

}  // namespace

void appendOddsPlain(std::string& out, const geomancy::ExactOdds& odds) {
  out += "Exact odds over all " + std::to_string(geomancy::ExactOdds::kSets) +
         " sets of Mothers\n\nJudge\n";
  for (const geomancy::CatalogueEntry& entry : geomancy::catalogue()) {
    appendCountLine(out, entry.figureName, odds.judge[geomancy::maskOf(entry.pattern)]);
  }
  out += "\nIndex\n";
  for (int house = 1; house <= geomancy::kHouseCount; ++house) {
    appendCountLine(out, "House " + std::to_string(house), odds.index[house]);
  }
  if (odds.perfection) {
    out += '\n';
    appendPerfectionHeading(out, odds.perfection->querent, odds.perfection->quesited);
    for (const auto& [mode, count] : kModes) {
      std::string label(mode);
      label.front() = static_cast<char>(label.front() - 'a' + 'A');
      appendCountLine(out, label, (*odds.perfection).*count);
    }
  }
}

void appendOddsJson(std::string& out, const geomancy::ExactOdds& odds) {
  out += "{\"sets\":" + std::to_string(geomancy::ExactOdds::kSets) + ",\"judge\":{";
  for (const geomancy::CatalogueEntry& entry : geomancy::catalogue()) {
    if (out.back() != '{') out += ',';
    appendJsonString(out, entry.key);
    out += ':' + std::to_string(odds.judge[geomancy::maskOf(entry.pattern)]);
  }
  out += "},\"index\":{";
  for (int house = 1; house <= geomancy::kHouseCount; ++house) {
    if (house > 1) out += ',';
    out += '"' + std::to_string(house) + "\":" + std::to_string(odds.index[house]);
  }
  out += '}';
  if (odds.perfection) {
    out += ",\"perfection\":{\"querent\":" + std::to_string(odds.perfection->querent) +
           ",\"quesited\":" + std::to_string(odds.perfection->quesited);
    for (const auto& [mode, count] : kModes) {
      out += ",\"" + std::string(mode) + "\":" + std::to_string((*odds.perfection).*count);
    }
    out += '}';
  }
  out += "}\n";
}

}  // namespace qxcast
