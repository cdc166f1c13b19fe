// SPDX-License-Identifier: MIT
// The practitioner's readings of a chart: the worked chart by hand, then properties over every
// one of the 65,536 charts.
#include "house_chart.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "chart_analysis.h"
#include "exact_odds.h"
#include "perfection.h"

namespace {

using geomancy::Company;
using geomancy::Perfection;
using geomancy::ShieldMasks;
using Steps = std::vector<std::string>;

const ShieldMasks kWorked = geomancy::shieldMasks(
    std::array<geomancy::Figure, 4>{{{1, 1, 2, 2}, {2, 1, 1, 1}, {1, 2, 2, 1}, {2, 2, 2, 1}}});
const geomancy::HouseFigures kWorkedHouses =
    geomancy::placeInHouses(kWorked, geomancy::HouseOrder::Traditional);

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

// A row with one point counts 1, with two points 2.
int pointsOf(geomancy::FigureMask figure) {
  const geomancy::Figure rows = geomancy::figureOf(figure);
  return std::accumulate(rows.begin(), rows.end(), 0);
}

geomancy::FigureMask maskOfKey(std::string_view key) {
  for (const geomancy::CatalogueEntry& entry : geomancy::catalogue()) {
    if (entry.key == key) return geomancy::maskOf(entry.pattern);
  }
  throw std::invalid_argument(std::string(key));
}

// "6>3 square dexter q": from house 6 onto house 3, the querent's figure.
std::string described(const Perfection::Aspect& aspect) {
  return std::to_string(aspect.from) + ">" + std::to_string(aspect.onto) + " " +
         std::string(geomancy::aspectName(aspect.kind)) + " " +
         std::string(geomancy::sideName(aspect.side)) +
         (aspect.figureOf == Perfection::Significator::Querent ? " q" : " x");
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
    houses.emplace_back(geomancy::entryForMask(kWorkedHouses(house)).key);
  }
  EXPECT_EQ(houses,
            (std::vector<std::string>{"FORTUNA MINOR", "CAPUT DRACONIS", "CARCER", "TRISTITIA",
                                      "AMISSIO", "FORTUNA MINOR", "RUBEUS", "CAPUT DRACONIS",
                                      "PUELLA", "LAETITIA", "CONJUNCTIO", "FORTUNA MAJOR"}));
  EXPECT_EQ(geomancy::partOfFortune(kWorkedHouses).points, 72);
  EXPECT_EQ(geomancy::partOfFortune(kWorkedHouses).house, 12);

  const std::vector<std::vector<Steps>> ways{{{"Judge", "Witness 1"},
                                              {"Judge", "Witness 2", "Niece 3"},
                                              {"Judge", "Witness 2", "Niece 4", "Daughter 3"},
                                              {"Judge", "Witness 2", "Niece 4", "Daughter 4"}},
                                             {{"Judge", "Witness 2", "Niece 3", "Daughter 2"}},
                                             {{"Judge", "Witness 1", "Niece 1", "Mother 2"}},
                                             {}};
  for (int row = 1; row <= 4; ++row) {
    const geomancy::WayOfThePoint way = geomancy::wayOfThePoint(geomancy::wayCase(kWorked, row));
    EXPECT_EQ(branchesOf(way), ways[row - 1]) << "row " << row;
    EXPECT_EQ(way.established, row != 4);
  }

  const std::vector<std::tuple<int, int, std::string>> perfections{
      {1, 7, ";6q ;;2-8 "},  {7, 1, ";6x ;;8-2 "}, {1, 6, "occupation;;;"},
      {6, 8, ";;1-2 ;7-7 "}, {3, 10, ";;;"},
  };
  for (const auto& [querent, quesited, expected] : perfections) {
    const Perfection found = geomancy::perfection(kWorkedHouses, querent, quesited);
    EXPECT_EQ(described(found), expected) << querent << " and " << quesited;
    EXPECT_EQ(found.perfects(), expected != ";;;");
    EXPECT_EQ(found.denial(), expected == ";;;");
  }

  EXPECT_EQ(geomancy::companyOfHouses(kWorkedHouses),
            (std::array{Company::None, Company::DemiSimple, Company::Capitular, Company::Capitular,
                        Company::Capitular, Company::Capitular}));
  EXPECT_FALSE(geomancy::halted(kWorkedHouses));
  const std::vector<std::tuple<int, int, std::vector<std::string>>> aspects{
      {1, 7, {}},
      {1, 3, {"6>3 square dexter q"}},
      {6, 8, {"2>6 trine sinister x"}},
      {8, 5, {"2>5 square sinister q"}},
      {1, 12, {"6>12 opposition  q"}},
  };
  for (const auto& [querent, quesited, expected] : aspects) {
    std::vector<std::string> found;
    for (const auto& aspect : geomancy::perfection(kWorkedHouses, querent, quesited).aspects) {
      found.push_back(described(aspect));
    }
    EXPECT_EQ(found, expected) << querent << " and " << quesited;
  }
  // Houses 7 and 8 share a head; houses 3 and 4 hold Saturn's two figures, 9 and 10 a head.
  const auto companions = [](int querent, int quesited) {
    std::vector<std::tuple<bool, int, Company>> found;
    for (const auto& c : geomancy::perfection(kWorkedHouses, querent, quesited).companions) {
      found.emplace_back(c.of == Perfection::Significator::Querent, c.house, c.company);
    }
    return found;
  };
  EXPECT_EQ(companions(1, 7),
            (std::vector<std::tuple<bool, int, Company>>{{false, 8, Company::Capitular}}));
  EXPECT_EQ(companions(3, 10),
            (std::vector<std::tuple<bool, int, Company>>{{true, 4, Company::DemiSimple},
                                                         {false, 9, Company::Capitular}}));
}

// The first kind that holds wins: Via and Populus share the Moon before they are compound, and
// the Dragons share only the planets tradition gives them.
TEST(HouseChart, CompanyOfNamedFigures) {
  const std::vector<std::tuple<std::string_view, std::string_view, Company>> cases{
      {"PUER", "PUER", Company::Simple},
      {"VIA", "POPULUS", Company::DemiSimple},
      {"FORTUNA MAJOR", "FORTUNA MINOR", Company::DemiSimple},
      {"CARCER", "TRISTITIA", Company::DemiSimple},
      {"CAPUT DRACONIS", "ACQUISITIO", Company::DemiSimple},
      {"CAPUT DRACONIS", "PUELLA", Company::DemiSimple},
      {"CAUDA DRACONIS", "CARCER", Company::DemiSimple},
      {"CAUDA DRACONIS", "PUER", Company::DemiSimple},
      {"CAPUT DRACONIS", "CAUDA DRACONIS", Company::Compound},
      {"PUER", "PUELLA", Company::Compound},
      {"ACQUISITIO", "AMISSIO", Company::Compound},
      {"ALBUS", "RUBEUS", Company::Compound},
      {"LAETITIA", "TRISTITIA", Company::Compound},
      {"CONJUNCTIO", "CARCER", Company::Compound},
      {"CAPUT DRACONIS", "CONJUNCTIO", Company::Capitular},
      {"CAUDA DRACONIS", "LAETITIA", Company::Capitular},
      {"VIA", "RUBEUS", Company::None},
      {"CAPUT DRACONIS", "PUER", Company::None},
  };
  for (const auto& [a, b, company] : cases) {
    EXPECT_EQ(geomancy::companyOf(maskOfKey(a), maskOfKey(b)), company) << a << " and " << b;
  }
}

// Liber Gaias, chapters II and III (pp. 142-144): its Mothers place figures I to XII in houses 10,
// 1, 4, 7, 11, 2, 5, 8, 12, 3, 6 and 9, and its Index of 74 points names figure II, in the
// Ascendant.
TEST(HouseOrder, PlacesTheHandbooksExampleAsItsChapterThree) {
  const geomancy::HouseFigures houses =
      geomancy::placeInHouses(geomancy::shieldMasks(std::array<geomancy::Figure, 4>{
                                  {{1, 1, 2, 2}, {1, 2, 1, 2}, {2, 2, 1, 1}, {2, 1, 2, 2}}}),
                              geomancy::HouseOrder::GoldenDawn);
  std::vector<std::string> keys;
  for (int house = 1; house <= 12; ++house) {
    keys.emplace_back(geomancy::entryForMask(houses(house)).key);
  }
  EXPECT_EQ(keys, (std::vector<std::string>{"AMISSIO", "CARCER", "CAPUT DRACONIS", "FORTUNA MAJOR",
                                            "CONJUNCTIO", "ACQUISITIO", "RUBEUS", "ALBUS", "RUBEUS",
                                            "FORTUNA MINOR", "FORTUNA MINOR", "CONJUNCTIO"}));
  const geomancy::PartOfFortune index = geomancy::partOfFortune(houses);
  EXPECT_EQ(index.points, 74);
  EXPECT_EQ(index.figure, 2);
  EXPECT_EQ(index.house, 1);
  EXPECT_EQ(geomancy::orderNamed("golden-dawn"), geomancy::HouseOrder::GoldenDawn);
  EXPECT_EQ(geomancy::orderNamed("Golden-Dawn"), std::nullopt);
}

// Only the houses and the question asked for are worked out; a chart is halted only when judged.
TEST(ChartAnalysis, HoldsWhatWasAsked) {
  // Rubeus in house 1.
  const geomancy::Reading reading = geomancy::readingOf(geomancy::shieldMasks(
      std::array<geomancy::Figure, 4>{{{2, 1, 2, 2}, {1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}}}));
  // One analysis serves one reading after another, holding only what the last asked for.
  geomancy::ChartAnalysis analysis;
  geomancy::analyseReading(reading, {true, geomancy::QuestionHouses{4, 10}}, analysis);
  geomancy::analyseReading(reading, {}, analysis);
  EXPECT_FALSE(analysis.houses || analysis.perfection || analysis.halted);
  geomancy::analyseReading(reading, {true, std::nullopt}, analysis);
  EXPECT_TRUE(analysis.houses && !analysis.perfection && analysis.halted);
  EXPECT_EQ(analysis.houses->index.points, geomancy::partOfFortune(analysis.houseFigures).points);
  geomancy::analyseReading(reading, {false, geomancy::QuestionHouses{4, 10}}, analysis);
  EXPECT_TRUE(!analysis.houses && analysis.perfection && analysis.halted);
  EXPECT_EQ(analysis.perfection->quesited, 10);
}

// Every chart, its figures placed in the houses by one order and the next by the other.
TEST(HouseChart, PropertiesOfEveryChart) {
  int haltedCharts = 0;
  for (std::uint32_t set = 0; set < geomancy::ExactOdds::kSets; ++set) {
    const ShieldMasks chart = chartOfSet(set);
    const geomancy::HouseFigures houses = geomancy::placeInHouses(
        chart, set % 2 == 0 ? geomancy::HouseOrder::Traditional : geomancy::HouseOrder::GoldenDawn);
    // Each figure sums to an even number with its pair, so the Index never names an odd figure.
    int points = 0;
    for (int house = 1; house <= 12; ++house) points += pointsOf(houses(house));
    const geomancy::PartOfFortune index = geomancy::partOfFortune(houses);
    ASSERT_EQ(index.points, points) << set;
    ASSERT_EQ(points % 2, 0) << set;
    ASSERT_EQ(houses(index.house), chart[index.figure - 1]) << set;
    for (int row = 1; row <= 4; ++row) {
      const unsigned bit = 1u << (row - 1);
      const auto matches = [&](int position) {
        return ((chart[position] ^ chart[geomancy::kJudgePosition]) & bit) == 0;
      };
      const geomancy::WayOfThePoint way = geomancy::wayOfThePoint(geomancy::wayCase(chart, row));
      ASSERT_EQ(way.established, matches(12) || matches(13)) << set;
      ASSERT_EQ(way.established, !way.branches.empty()) << set;
      for (const auto& branch : way.branches) {
        ASSERT_EQ(branch[0], geomancy::kJudgePosition);
        for (std::size_t step = 1; step < branch.size(); ++step) {
          const auto& parents = geomancy::kAdditionSources[branch[step - 1] - 8];
          ASSERT_TRUE(branch[step] == parents[0] || branch[step] == parents[1]) << set;
          ASSERT_TRUE(matches(branch[step])) << set;
        }
        const int last = branch[branch.size() - 1];
        ASSERT_TRUE(last < 8 || (!matches(geomancy::kAdditionSources[last - 8][0]) &&
                                 !matches(geomancy::kAdditionSources[last - 8][1])))
            << set;
      }
    }
    const auto company = geomancy::companyOfHouses(houses);
    for (int pair = 0; pair < 6; ++pair) {
      const auto first = houses(2 * pair + 1);
      const auto second = houses(2 * pair + 2);
      ASSERT_EQ(company[pair], geomancy::companyOf(second, first)) << set;
      ASSERT_EQ(geomancy::compoundPartner(geomancy::compoundPartner(first)), first);
    }
    const std::string_view first = geomancy::entryForMask(houses(1)).key;
    const bool halted = geomancy::halted(houses);
    ASSERT_EQ(halted, first == "RUBEUS" || first == "CAUDA DRACONIS") << set;
    haltedCharts += halted ? 1 : 0;
    // Every aspect stands at one of its kind's distances, dexter looking back round the wheel.
    const Perfection found = geomancy::perfection(houses, 1 + set % 12, 1 + (set / 12 + 5) % 12);
    for (const auto& aspect : found.aspects) {
      const int distance = (aspect.onto - aspect.from + 12) % 12;
      const std::map<std::string_view, std::set<int>> kDistances{
          {"sextile", {2, 10}}, {"square", {3, 9}}, {"trine", {4, 8}}, {"opposition", {6}}};
      ASSERT_TRUE(kDistances.at(geomancy::aspectName(aspect.kind)).contains(distance)) << set;
      ASSERT_EQ(geomancy::sideName(aspect.side),
                distance == 6 ? "" : (distance > 6 ? "dexter" : "sinister"));
      const int own =
          aspect.figureOf == Perfection::Significator::Querent ? found.querent : found.quesited;
      ASSERT_EQ(houses(aspect.from), houses(own));
      ASSERT_NE(aspect.from, own);
    }
    // Perfection is the same seen from either house, with the roles swapped.
    if (set % 61 != 0) continue;
    for (int querent = 1; querent <= 12; ++querent) {
      for (int quesited = querent + 1; quesited <= 12; ++quesited) {
        const Perfection there = geomancy::perfection(houses, querent, quesited);
        const Perfection back = geomancy::perfection(houses, quesited, querent);
        ASSERT_EQ(there.occupation, back.occupation);
        ASSERT_EQ(there.conjunction.size(), back.conjunction.size());
        ASSERT_EQ(pairs(there.mutation, false), pairs(back.mutation, true));
        ASSERT_EQ(pairs(there.translation, false), pairs(back.translation, true));
        ASSERT_EQ(there.perfects(), back.perfects());
      }
    }
  }
  EXPECT_EQ(haltedCharts, 8192);
}

TEST(ExactOdds, CountEveryChartOnce) {
  const geomancy::ExactOdds odds = geomancy::exactOdds(1, 7);
  std::uint32_t judges = 0;
  for (const geomancy::CatalogueEntry& entry : geomancy::catalogue()) {
    const std::uint32_t count = odds.judge[geomancy::maskOf(entry.pattern)];
    // Only the figures with an even number of single points can be Judge, each as often.
    const int points = pointsOf(geomancy::maskOf(entry.pattern));
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
  EXPECT_EQ(odds.halted, 8192u);
  for (const std::uint32_t mode :
       {counts.occupation, counts.conjunction, counts.mutation, counts.translation}) {
    EXPECT_LE(mode, counts.perfects);
  }
  // In the Golden Dawn's order the even figures stand in houses 1, 7, 2, 8, 3 and 9; house 1
  // holds Mother 2, as often halting as Mother 1.
  const geomancy::ExactOdds golden = geomancy::exactOdds(geomancy::HouseOrder::GoldenDawn);
  for (int house = 1; house <= 12; ++house) {
    EXPECT_EQ(golden.index[house] == 0, house > 3 && house != 7 && house != 8 && house != 9);
  }
  EXPECT_EQ(golden.halted, 8192u);
}

}  // namespace
