// SPDX-License-Identifier: MIT
#include "odds_output.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "catalogue.h"
#include "chart_text.h"
#include "json_writer.h"

namespace formats {
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

std::string oddsPlain(const geomancy::ExactOdds& odds) {
  std::string out =
      "Exact odds over all " + std::to_string(geomancy::ExactOdds::kSets) + " sets of Mothers" +
      (odds.order == geomancy::HouseOrder::GoldenDawn ? ", the houses in the Golden Dawn's order"
                                                      : "") +
      "\n\nJudge\n";
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
  return out;
}

std::string oddsJson(const geomancy::ExactOdds& odds) {
  TextBuffer out;
  JsonWriter json(out);
  json.beginObject().key("sets").value(geomancy::ExactOdds::kSets);
  if (odds.order != geomancy::HouseOrder::Traditional) {
    json.key("order").value(geomancy::orderName(odds.order));
  }
  json.key("judge").beginObject();
  for (const geomancy::CatalogueEntry& entry : geomancy::catalogue()) {
    json.key(entry.key).value(odds.judge[geomancy::maskOf(entry.pattern)]);
  }
  json.endObject().key("index").beginObject();
  for (int house = 1; house <= geomancy::kHouseCount; ++house) {
    json.key(std::to_string(house)).value(odds.index[house]);
  }
  json.endObject();
  if (odds.perfection) {
    json.key("perfection").beginObject();
    json.key("querent").value(odds.perfection->querent);
    json.key("quesited").value(odds.perfection->quesited);
    for (const CountedMode& mode : kModes) json.key(mode.key).value((*odds.perfection).*mode.count);
    json.key("company").beginObject();
    for (const geomancy::Company company : kCompanies) {
      json.key(geomancy::companyName(company)).value(companyCount(*odds.perfection, company));
    }
    json.endObject().endObject();
  }
  json.key("halted").value(odds.halted).endObject();
  out += '\n';
  return std::string(out.view());
}

}  // namespace formats
