// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "catalogue.h"
#include "cli_test_support.h"
#include "figure.h"

namespace {

using geomancy::Figure;

constexpr int kReadings = 20'000;

// Reading faults are collected as text rather than asserted one by one: twenty thousand readings
// of a hundred checks each would spend most of the test's time inside the assertion machinery.
Figure figureFrom(const JsonValue& rows, std::string& fault) {
  Figure figure{};
  if (rows.array.size() != 4) fault += "a figure without four rows; ";
  for (std::size_t row = 0; row < 4 && row < rows.array.size(); ++row) {
    const double value = rows.array[row].number;
    if (value != 1 && value != 2) fault += "a row that is neither 1 nor 2; ";
    figure[row] = static_cast<geomancy::RowValue>(value);
  }
  return figure;
}

// Row-wise addition written out independently: odd plus even is odd, otherwise even.
Figure sum(const Figure& a, const Figure& b) {
  Figure result{};
  for (int row = 0; row < 4; ++row) result[row] = (a[row] % 2) != (b[row] % 2) ? 1 : 2;
  return result;
}

double chiSquare(const std::map<Figure, int>& counts, int categories, int total) {
  const double expected = static_cast<double>(total) / categories;
  double statistic = 0;
  for (const auto& [figure, count] : counts) {
    statistic += (count - expected) * (count - expected) / expected;
  }
  return statistic;
}

struct CheckedReading {
  std::array<Figure, 16> figures{};  // by position, then the Reconciler
  std::string fault;                 // empty when every rule holds
};

CheckedReading checkReading(const JsonValue& reading) {
  CheckedReading checked;
  auto& f = checked.figures;
  auto& fault = checked.fault;
  int position = 0;
  for (const auto& [group, count] :
       {std::pair{"mothers", 4}, {"daughters", 4}, {"nieces", 4}, {"witnesses", 2}}) {
    const JsonValue& figures = reading[group];
    if (figures.array.size() != static_cast<std::size_t>(count)) fault += "group size; ";
    for (int i = 0; i < count && i < static_cast<int>(figures.array.size()); ++i) {
      f[position++] = figureFrom(figures.array[i], fault);
    }
  }
  f[14] = figureFrom(reading["judge"], fault);
  f[15] = figureFrom(reading["reconciler"], fault);

  for (int daughter = 0; daughter < 4; ++daughter) {
    for (int row = 0; row < 4; ++row) {
      if (f[4 + daughter][row] != f[row][daughter]) fault += "transposition; ";
    }
  }
  // Each figure made by addition, with its two sources.
  constexpr std::array<std::array<int, 3>, 8> kSums{{{8, 0, 1},
                                                     {9, 2, 3},
                                                     {10, 4, 5},
                                                     {11, 6, 7},
                                                     {12, 8, 9},
                                                     {13, 10, 11},
                                                     {14, 12, 13},
                                                     {15, 14, 0}}};
  for (const auto& [made, a, b] : kSums) {
    if (f[made] != sum(f[a], f[b])) fault += "addition at " + std::to_string(made) + "; ";
  }

  const auto* entry = geomancy::entryForRows(f[14]);
  const JsonValue& texts = reading["figure"];
  if (texts["key"].string != entry->key || texts["name"].string != entry->figureName ||
      texts["quality"].string != entry->quality || texts["body_part"].string != entry->bodyPart ||
      texts["significance"].string != entry->significance) {
    fault += "texts of the Judge; ";
  }
  return checked;
}

TEST(ReadingStatistics, SeededReadingsFollowTheRulesAndJudgesAreEven) {
  const CastRun run = runCast({"--json", "--seed", "20240601", "--readings", "20000"});
  ASSERT_EQ(run.status, 0);
  const auto lines = splitLines(run.out);
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kReadings));

  std::map<Figure, int> judges;
  std::map<Figure, int> mothers;
  for (const std::string& line : lines) {
    const CheckedReading checked = checkReading(JsonReader::parse(line));
    ASSERT_EQ(checked.fault, "") << line;
    ++judges[checked.figures[14]];
    for (int m = 0; m < 4; ++m) ++mothers[checked.figures[m]];
  }

  // Only figures with an even number of one-point rows can be Judge.
  EXPECT_EQ(judges.size(), 8u);
  for (const auto& [judge, count] : judges) {
    int onePointRows = 0;
    for (const auto row : judge) onePointRows += row == 1 ? 1 : 0;
    EXPECT_EQ(onePointRows % 2, 0);
  }
  // Chi-square bounds far in the tail (p below 1e-6), so a fair source does not fail by chance
  // while a skewed cast or derivation does.
  EXPECT_LT(chiSquare(judges, 8, kReadings), 40.0);
  EXPECT_EQ(mothers.size(), 16u);
  EXPECT_LT(chiSquare(mothers, 16, 4 * kReadings), 60.0);
}

}  // namespace
