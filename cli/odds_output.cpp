// SPDX-License-Identifier: MIT
#include "odds_output.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "catalogue.h"
#include "chart_text.h"
#include "reading_json.h"

namespace qxcast {
namespace {

using Counts = geomancy::ExactOdds::PerfectionCounts;

struct CountedMode {
  std::string_view key;    // in JSON
  std::string_view label;  // in plain text
  std::uint32_t Counts::*count;
};
constexpr std::array<CountedMode, 6> kModes{{
    {"occupation", "Occupation", &Counts::occupation},
    {"conjunction", "Conjunction", &Counts::conjunction},
    {"mutation", "Mutation", &Counts::mutation},
    {"translation", "Translation", &Counts::translation},
    {"perfects", "Perfects", &Counts::perfects},
    {"aspects", "At least one aspect", &Counts::aspects},
}};

constexpr std::array<geomancy::Company, 4> kCompanies{
    geomancy::Company::Simple, geomancy::Company::DemiSimple, geomancy::Company::Compound,
    geomancy::Company::Capitular};

std::uint32_t companyCount(const Counts& counts, geomancy::Company company) {
  return counts.company[static_cast<std::size_t>(company)];
}

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
  out += "\nHalted\n";
  appendCountLine(out, "Rubeus or Cauda Draconis in house 1", odds.halted);
  if (odds.perfection) {
    out += '\n';
    appendPerfectionHeading(out, odds.perfection->querent, odds.perfection->quesited);
    for (const CountedMode& mode : kModes) {
      appendCountLine(out, mode.label, (*odds.perfection).*mode.count);
    }
    for (const geomancy::Company company : kCompanies) {
      appendCountLine(out, "Company, " + std::string(geomancy::companyName(company)),
                      companyCount(*odds.perfection, company));
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
    for (const CountedMode& mode : kModes) {
      out += ",\"" + std::string(mode.key) + "\":" + std::to_string((*odds.perfection).*mode.count);
    }
    out += ",\"company\":{";
    for (const geomancy::Company company : kCompanies) {
      if (out.back() != '{') out += ',';
      appendJsonString(out, geomancy::companyName(company));
      out += ':' + std::to_string(companyCount(*odds.perfection, company));
    }
    out += "}}";
  }
  out += ",\"halted\":" + std::to_string(odds.halted) + "}\n";
}

}  // namespace qxcast
