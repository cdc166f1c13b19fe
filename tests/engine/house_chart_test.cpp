// SPDX-License-Identifier: MIT
// The practitioner's readings of a chart: the worked chart by hand, then properties over every
// one of the 65,536 charts.
#include "house_chart.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "exact_odds.h"

namespace {

using geomancy::Perfection;
using geomancy::ShieldMasks;
using Steps = std::vector<std::string>;

const ShieldMasks kWorked = geomancy::shieldMasks(
    std::array<geomancy::Figure, 4>{{{1, 1, 2, 2}, {2, 1, 1, 1}, {1, 2, 2, 1}, {2, 2, 2, 1}}});

ShieldMasks chartOfSet(std::uint32_t set) {
  return geomancy::shieldMasks(
      std::array<geomancy::FigureMask, 4>{static_cast<geomancy::FigureMask>(set & 0xF),
                                          static_cast<geomancy::FigureMask>(set >> 4 & 0xF),
                                          static_cast<geomancy::FigureMask>(set >> 8 & 0xF),
                                          static_cast<geomancy::FigureMask>(set >> 12 & 0xF)});
}

std::vector<Steps> branchesOf(const geomancy::WayOfThePoint& way) {
  std::vector<Steps> branches;
  for (const auto& branch : way.branches) {
    branches.emplace_back();
    for (const auto position : branch)
      branches.back().emplace_back(geomancy::positionName(position));
  }
  return branches;
}

// "6q" for a conjunction in house 6 of the querent's figure, "1-2" for a pair of houses.
std::string described(const Perfection& found) {
  std::string text = found.occupation ? "occupation;" : ";";
  for (const auto& c : found.conjunction) {
    text +=
        std::to_string(c.house) + (c.figureOf == Perfection::Significator::Querent ? "q " : "x ");
  }
  text += ';';
  for (const auto& pair : found.mutation)
    text += std::to_string(pair.a) + "-" + std::to_string(pair.b) + " ";
  text += ';';
  for (const auto& pair : found.translation)
    text += std::to_string(pair.a) + "-" + std::to_string(pair.b) + " ";
  return text;
}

template <typename List>
std::set<std::pair<int, int>> pairs(const List& list, bool swapped) {
  std::set<std::pair<int, int>> out;
  for (const auto& pair : list)
    out.insert(swapped ? std::pair{pair.b, pair.a} : std::pair{pair.a, pair.b});
  return out;
}

TEST(HouseChart, WorkedChartByHand) {
  std::vector<std::string> houses;
  for (int house = 1; house <= 12; ++house) {
    houses.emplace_back(geomancy::entryForMask(geomancy::houseFigure(kWorked, house)).key);
  }
  EXPECT_EQ(houses,
            (std::vector<std::string>{"FORTUNA MINOR", "CAPUT DRACONIS", "CARCER", "TRISTITIA",
                                      "AMISSIO", "FORTUNA MINOR", "RUBEUS", "CAPUT DRACONIS",
                                      "PUELLA", "LAETITIA", "CONJUNCTIO", "FORTUNA MAJOR"}));
  EXPECT_EQ(geomancy::partOfFortune(kWorked).points, 72);
  EXPECT_EQ(geomancy::partOfFortune(kWorked).house, 12);

  const std::vector<std::vector<Steps>> ways{{{"Judge", "Witness 1"},
                                              {"Judge", "Witness 2", "Niece 3"},
                                              {"Judge", "Witness 2", "Niece 4", "Daughter 3"},
                                              {"Judge", "Witness 2", "Niece 4", "Daughter 4"}},
                                             {{"Judge", "Witness 2", "Niece 3", "Daughter 2"}},
                                             {{"Judge", "Witness 1", "Niece 1", "Mother 2"}},
                                             {}};
  for (int row = 1; row <= 4; ++row) {
    const geomancy::WayOfThePoint way = geomancy::wayOfThePoint(kWorked, row);
    EXPECT_EQ(branchesOf(way), ways[row - 1]) << "row " << row;
    EXPECT_EQ(way.established, row != 4);
  }

  const std::vector<std::tuple<int, int, std::string>> perfections{
      {1, 7, ";6q ;;2-8 "},  {7, 1, ";6x ;;8-2 "}, {1, 6, "occupation;;;"},
      {6, 8, ";;1-2 ;7-7 "}, {3, 10, ";;;"},
  };
  for (const auto& [querent, quesited, expected] : perfections) {
    const Perfection found = geomancy::perfection(kWorked, querent, quesited);
    EXPECT_EQ(described(found), expected) << querent << " and " << quesited;
    EXPECT_EQ(found.perfects(), expected != ";;;");
  }
}

TEST(HouseChart, PropertiesOfEveryChart) {
  for (std::uint32_t set = 0; set < geomancy::ExactOdds::kSets; ++set) {
    const ShieldMasks chart = chartOfSet(set);
    // Each figure sums to an even number with its pair, so the Index never falls in an odd house.
    ASSERT_EQ(geomancy::partOfFortune(chart).points % 2, 0) << set;
    for (int row = 1; row <= 4; ++row) {
      const unsigned bit = 1u << (row - 1);
      const auto matches = [&](int position) {
        return ((chart[position] ^ chart[geomancy::kJudgePosition]) & bit) == 0;
      };
      const geomancy::WayOfThePoint way = geomancy::wayOfThePoint(chart, row);
      ASSERT_EQ(way.established, matches(12) || matches(13)) << set;
      ASSERT_EQ(way.established, !way.branches.empty()) << set;
      for (const auto& branch : way.branches) {
        ASSERT_EQ(branch[0], geomancy::kJudgePosition);
        for (std::size_t step = 1; step < branch.size(); ++step) {
          const auto& parents = geomancy::parentsOf(branch[step - 1]);
          ASSERT_TRUE(branch[step] == parents[0] || branch[step] == parents[1]) << set;
          ASSERT_TRUE(matches(branch[step])) << set;
        }
        const int last = branch[branch.size() - 1];
        ASSERT_TRUE(last < 8 || (!matches(geomancy::parentsOf(last)[0]) &&
                                 !matches(geomancy::parentsOf(last)[1])))
            << set;
      }
    }
    // Perfection is the same seen from either house, with the roles swapped.
    if (set % 61 != 0) continue;
    for (int querent = 1; querent <= 12; ++querent) {
      for (int quesited = querent + 1; quesited <= 12; ++quesited) {
        const Perfection there = geomancy::perfection(chart, querent, quesited);
        const Perfection back = geomancy::perfection(chart, quesited, querent);
        ASSERT_EQ(there.occupation, back.occupation);
        ASSERT_EQ(there.conjunction.size(), back.conjunction.size());
        ASSERT_EQ(pairs(there.mutation, false), pairs(back.mutation, true));
        ASSERT_EQ(pairs(there.translation, false), pairs(back.translation, true));
        ASSERT_EQ(there.perfects(), back.perfects());
      }
    }
  }
}

TEST(ExactOdds, CountEveryChartOnce) {
  const geomancy::ExactOdds odds = geomancy::exactOdds(1, 7);
  std::uint32_t judges = 0;
  for (const geomancy::CatalogueEntry& entry : geomancy::catalogue()) {
    const std::uint32_t count = odds.judge[geomancy::maskOf(entry.pattern)];
    // Only the figures with an even number of single points can be Judge, each as often.
    const int points = geomancy::pointsOf(geomancy::maskOf(entry.pattern));
    EXPECT_EQ(count, points % 2 == 0 ? 8192u : 0u) << entry.key;
    judges += count;
  }
  EXPECT_EQ(judges, geomancy::ExactOdds::kSets);
  std::uint32_t indexes = 0;
  for (int house = 1; house <= 12; ++house) {
    EXPECT_EQ(odds.index[house] == 0, house % 2 == 1) << house;
    indexes += odds.index[house];
  }
  EXPECT_EQ(indexes, geomancy::ExactOdds::kSets);
  const auto& counts = *odds.perfection;
  EXPECT_EQ(counts.occupation, geomancy::ExactOdds::kSets / 16);  // Mother 1 equals Daughter 3
  for (const std::uint32_t mode :
       {counts.occupation, counts.conjunction, counts.mutation, counts.translation}) {
    EXPECT_LE(mode, counts.perfects);
  }
}

}  // namespace
