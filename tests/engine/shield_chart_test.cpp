// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <stdexcept>
#include <vector>

// scripted_random_source.h uses geomancy::Figure without including figure.h.
#include "figure.h"
#include "scripted_random_source.h"
#include "shield_chart.h"

using geomancy::Figure;
using geomancy::RowValue;
using geomancy::ShieldChart;

namespace {

using Chart = std::array<Figure, 15>;
using Mothers = std::array<Figure, 4>;

// The reading worked through by hand: Mothers, then everything derived from them.
// clang-format off
const Chart kWorkedChart{{
    {1, 1, 2, 2}, {2, 1, 1, 1}, {1, 2, 2, 1}, {2, 2, 2, 1},  // Mothers
    {1, 2, 1, 2}, {1, 1, 2, 2}, {2, 1, 2, 2}, {2, 1, 1, 1},  // Daughters
    {1, 2, 1, 1}, {1, 2, 2, 2}, {2, 1, 1, 2}, {2, 2, 1, 1},  // Nieces
    {2, 2, 1, 1}, {2, 1, 2, 1},                              // Witnesses
    {2, 1, 1, 2},                                            // Judge
}};
// clang-format on

const std::vector<RowValue> kWorkedStore{
    1, 1, 2, 2, 2, 1, 1, 1, 1, 2, 2, 1, 2, 2, 2, 1, 1, 2, 1, 2, 1, 1, 2, 2, 2, 1, 2, 2, 2, 1,
    1, 1, 1, 2, 1, 1, 1, 2, 2, 2, 2, 1, 1, 2, 2, 2, 1, 1, 2, 2, 1, 1, 2, 1, 2, 1, 2, 1, 1, 2};

// The two figures added to make each of positions 8 to 14.
constexpr std::array<std::array<int, 2>, 7> kSums{
    {{0, 1}, {2, 3}, {4, 5}, {6, 7}, {8, 9}, {10, 11}, {12, 13}}};

Mothers mothersFromBits(unsigned bits) {
  Mothers mothers{};
  for (int i = 0; i < 16; ++i) mothers[i / 4][i % 4] = (bits >> i) & 1u ? 2 : 1;
  return mothers;
}

void appendMothers(ScriptedRandomSource& source, const Mothers& mothers) {
  for (const Figure& mother : mothers) source.appendFigure(mother);
}

Chart produceAll(ShieldChart& chart) {
  Chart produced{};
  for (int position = 0; position < 15; ++position)
    produced[position] = chart.produceFigure(position);
  return produced;
}

// The rules of the chart, checked on one finished chart.
testing::AssertionResult followsTheRules(const Chart& chart) {
  for (int position = 0; position < 15; ++position) {
    for (const RowValue row : chart[position]) {
      if (row != 1 && row != 2)
        return testing::AssertionFailure() << "row value " << row << " at position " << position;
    }
  }
  for (int daughter = 0; daughter < 4; ++daughter) {
    for (int row = 0; row < 4; ++row) {
      if (chart[4 + daughter][row] != chart[row][daughter]) {
        return testing::AssertionFailure()
               << "row " << row + 1 << " of Daughter " << daughter + 1 << " is not row "
               << daughter + 1 << " of Mother " << row + 1;
      }
    }
  }
  for (int position = 8; position < 15; ++position) {
    const Figure& a = chart[kSums[position - 8][0]];
    const Figure& b = chart[kSums[position - 8][1]];
    for (int row = 0; row < 4; ++row) {
      const RowValue expected = (a[row] == 1) != (b[row] == 1) ? 1 : 2;
      if (chart[position][row] != expected) {
        return testing::AssertionFailure()
               << "row " << row + 1 << " of position " << position << " is not the sum";
      }
    }
  }
  return testing::AssertionSuccess();
}

}  // namespace

TEST(ShieldChart, WorkedReadingFigureByFigure) {
  // One-point rows from draws up to just below one half, two-point rows from one half up to
  // just below one.
  const float low[] = {0.0f, 0.25f, std::nextafter(0.5f, 0.0f)};
  const float high[] = {0.5f, 0.75f, std::nextafter(1.0f, 0.0f)};
  std::vector<float> draws;
  for (int m = 0; m < 4; ++m) {
    for (int row = 0; row < 4; ++row) {
      const int pick = static_cast<int>(draws.size()) % 3;
      draws.push_back(kWorkedChart[m][row] == 1 ? low[pick] : high[pick]);
    }
  }
  ScriptedRandomSource source(draws);
  ShieldChart chart(source);

  for (int position = 0; position < 15; ++position) {
    SCOPED_TRACE(testing::Message() << "position " << position);
    EXPECT_EQ(chart.produceFigure(position), kWorkedChart[position]);
    EXPECT_EQ(chart.rows().size(), static_cast<std::size_t>(4 * (position + 1)));
    EXPECT_EQ(chart.figuresProduced(), position + 1);
    EXPECT_EQ(source.drawsTaken(), static_cast<std::size_t>(4 * std::min(position + 1, 4)));
    for (int row = 1; row <= 4; ++row) {
      EXPECT_EQ(chart.rowValue(4 * position + row - 1), kWorkedChart[position][row - 1]);
    }
  }
  EXPECT_EQ(source.drawsTaken(), 16u);
  EXPECT_EQ(std::vector<RowValue>(chart.rows().begin(), chart.rows().end()), kWorkedStore);
  for (int index = 0; index < 60; ++index)
    EXPECT_EQ(chart.rowValue(index), kWorkedStore[index]) << index;
  EXPECT_EQ(chart.judgeRows(), (Figure{2, 1, 1, 2}));
  EXPECT_EQ(geomancy::shieldFromMothers(
                {kWorkedChart[0], kWorkedChart[1], kWorkedChart[2], kWorkedChart[3]}),
            kWorkedChart);
}

TEST(ShieldChart, OnePointMothersGiveTwoPointNiecesWitnessesAndJudge) {
  const auto chart =
      geomancy::shieldFromMothers({{{1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}}});
  for (int position = 0; position < 8; ++position) EXPECT_EQ(chart[position], (Figure{1, 1, 1, 1}));
  for (int position = 8; position < 15; ++position)
    EXPECT_EQ(chart[position], (Figure{2, 2, 2, 2}));
}

TEST(ShieldChart, EverySetOfMothersFollowsTheRulesAndJudgesAreEven) {
  std::map<Figure, int> judges;
  for (unsigned bits = 0; bits < 65536; ++bits) {
    const Mothers mothers = mothersFromBits(bits);
    const Chart chart = geomancy::shieldFromMothers(mothers);
    for (int m = 0; m < 4; ++m) ASSERT_EQ(chart[m], mothers[m]) << "Mothers " << bits;
    ASSERT_TRUE(followsTheRules(chart)) << "Mothers " << bits;
    ++judges[chart[14]];
  }
  // A Judge always has 0, 2 or 4 one-point rows, and each such figure judges one set in eight.
  const std::map<Figure, int> expected{
      {{1, 1, 1, 1}, 8192}, {{1, 1, 2, 2}, 8192}, {{1, 2, 1, 2}, 8192}, {{1, 2, 2, 1}, 8192},
      {{2, 1, 1, 2}, 8192}, {{2, 1, 2, 1}, 8192}, {{2, 2, 1, 1}, 8192}, {{2, 2, 2, 2}, 8192}};
  EXPECT_EQ(judges, expected);
}

TEST(ShieldChart, ProducedReadingsAgreeWithShieldFromMothersForEverySet) {
  ScriptedRandomSource source;
  ShieldChart chart(source);
  for (unsigned bits = 0; bits < 65536; ++bits) {
    const Mothers mothers = mothersFromBits(bits);
    appendMothers(source, mothers);
    chart.reset();
    ASSERT_EQ(produceAll(chart), geomancy::shieldFromMothers(mothers)) << "Mothers " << bits;
    ASSERT_EQ(source.drawsTaken(), 16u * (bits + 1)) << "Mothers " << bits;
  }
}

namespace {

// Notes how many rows the chart holds at each draw.
class WatchingSource final : public geomancy::RandomSource {
 public:
  float draw() override {
    sizes.push_back(chart->rows().size());
    return 0.75f;
  }
  void seed(std::uint64_t) override {}

  const ShieldChart* chart = nullptr;
  std::vector<std::size_t> sizes;
};

}  // namespace

TEST(ShieldChart, EachCastRowIsStoredBeforeTheNextDraw) {
  WatchingSource source;
  ShieldChart chart(source);
  source.chart = &chart;
  for (int position = 0; position < 15; ++position) (void)chart.produceFigure(position);
  std::vector<std::size_t> expected;
  for (std::size_t i = 0; i < 16; ++i) expected.push_back(i);
  EXPECT_EQ(source.sizes, expected);
}

TEST(ShieldChart, ResetStartsAnEmptyReading) {
  ScriptedRandomSource source;
  appendMothers(source, {kWorkedChart[0], kWorkedChart[1], kWorkedChart[2], kWorkedChart[3]});
  ShieldChart chart(source);
  (void)produceAll(chart);

  chart.reset();
  EXPECT_TRUE(chart.rows().empty());
  EXPECT_EQ(chart.figuresProduced(), 0);
  EXPECT_THROW((void)chart.rowValue(0), std::out_of_range);
  EXPECT_THROW((void)chart.judgeRows(), std::logic_error);

  // The next reading starts again at index 0 with four fresh draws, and shares nothing with the
  // first one.
  const Mothers second{{{1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}}};
  appendMothers(source, second);
  EXPECT_EQ(chart.produceFigure(0), second[0]);
  EXPECT_EQ(source.drawsTaken(), 20u);
  EXPECT_EQ(chart.rows().size(), 4u);
  EXPECT_EQ(chart.rowValue(0), 1);
  for (int position = 1; position < 15; ++position) (void)chart.produceFigure(position);
  EXPECT_EQ(source.drawsTaken(), 32u);
  const Chart expected = geomancy::shieldFromMothers(second);
  for (int index = 0; index < 60; ++index)
    EXPECT_EQ(chart.rowValue(index), expected[index / 4][index % 4]) << index;

  // A reset in the middle of a reading empties the store just the same.
  chart.reset();
  appendMothers(source, second);
  (void)chart.produceFigure(0);
  (void)chart.produceFigure(1);
  chart.reset();
  EXPECT_TRUE(chart.rows().empty());
}

TEST(ShieldChart, OutOfOrderProductionThrowsAndChangesNothing) {
  ScriptedRandomSource source;
  for (int i = 0; i < 4; ++i) source.appendFigure({1, 2, 1, 2});
  ShieldChart chart(source);
  EXPECT_THROW((void)chart.produceFigure(1), std::logic_error);
  EXPECT_THROW((void)chart.produceFigure(-1), std::logic_error);
  EXPECT_TRUE(chart.rows().empty());
  EXPECT_EQ(source.drawsTaken(), 0u);

  (void)chart.produceFigure(0);
  const std::vector<RowValue> before(chart.rows().begin(), chart.rows().end());
  for (const int position : {0, 2, 4, 14}) {
    EXPECT_THROW((void)chart.produceFigure(position), std::logic_error) << position;
  }
  EXPECT_EQ(std::vector<RowValue>(chart.rows().begin(), chart.rows().end()), before);
  EXPECT_EQ(source.drawsTaken(), 4u);
  EXPECT_THROW((void)chart.rowValue(4), std::out_of_range);
  EXPECT_THROW((void)chart.rowValue(-1), std::out_of_range);

  for (int position = 1; position < 15; ++position) (void)chart.produceFigure(position);
  EXPECT_THROW((void)chart.produceFigure(15), std::logic_error);
  EXPECT_THROW((void)chart.rowValue(60), std::out_of_range);
  EXPECT_EQ(chart.rows().size(), 60u);
}

TEST(ShieldChart, FailedDrawLeavesNoPartialFigure) {
  ScriptedRandomSource source({0.25f, 0.75f});
  ShieldChart chart(source);
  EXPECT_THROW((void)chart.produceFigure(0), std::out_of_range);
  EXPECT_TRUE(chart.rows().empty());
  EXPECT_EQ(chart.figuresProduced(), 0);

  // Mother 1 complete, Mother 2 runs dry after two rows: Mother 1 stays, nothing of Mother 2.
  ScriptedRandomSource second;
  second.appendFigure({2, 2, 1, 1});
  second.append({0.25f, 0.25f});
  ShieldChart partial(second);
  (void)partial.produceFigure(0);
  EXPECT_THROW((void)partial.produceFigure(1), std::out_of_range);
  EXPECT_EQ(std::vector<RowValue>(partial.rows().begin(), partial.rows().end()),
            (std::vector<RowValue>{2, 2, 1, 1}));

  // Once draws are there again, Mother 2 is cast whole at indices 4 to 7.
  second.appendFigure({1, 2, 2, 2});
  EXPECT_EQ(partial.produceFigure(1), (Figure{1, 2, 2, 2}));
  EXPECT_EQ(partial.rows().size(), 8u);
  EXPECT_EQ(partial.rowValue(4), 1);
}
