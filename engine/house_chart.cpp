// SPDX-License-Identifier: MIT
#include "house_chart.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "catalogue.h"
#include "house_bits.h"

namespace geomancy {
namespace {

using Branch = WayOfThePoint::Branch;

// Follows the way from `position` (already matching), adding every branch that ends there or
// above it.
template <typename Matches>
void followWay(int position, Branch path, const Matches& matches, WayOfThePoint& way) {
  path.push_back(static_cast<std::int8_t>(position));
  bool goesOn = false;
  if (position >= kFirstNiece) {
    for (const int parent : kAdditionSources[position - kFirstNiece]) {
      if (!matches(parent)) continue;
      goesOn = true;
      followWay(parent, path, matches, way);
    }
  }
  if (!goesOn) way.branches.push_back(path);
}

// The way of one row, from that row's bit of each figure: the case's eight bits for the Mothers
// and Daughters, the rest added up as the chart adds them.
WayOfThePoint wayOfCase(WayCase wayCase) {
  std::array<bool, kFigureCount> odd{};
  for (int position = 0; position < kFirstNiece; ++position)
    odd[position] = (wayCase >> position) & 1;
  for (int position = kFirstNiece; position < kFigureCount; ++position) {
    const auto& sources = kAdditionSources[position - kFirstNiece];
    odd[position] = odd[sources[0]] != odd[sources[1]];
  }
  const auto matches = [&odd](int position) { return odd[position] == odd[kJudgePosition]; };
  WayOfThePoint way;
  way.established = matches(kRightWitness) || matches(kLeftWitness);
  if (way.established) followWay(kJudgePosition, Branch{}, matches, way);
  return way;
}

constexpr int kWayCases = 1 << kFirstNiece;

// The planets a figure counts as sharing: its own, and for each Dragon those that tradition gives
// it, Jupiter and Venus for the Head and Saturn and Mars for the Tail.
std::array<std::string_view, 2> sharedPlanets(FigureMask figure) {
  struct DragonPlanets {
    std::string_view node;
    std::array<std::string_view, 2> planets;
  };
  static constexpr std::array<DragonPlanets, 2> kDragons{{
      {"North Node of Moon", {"Jupiter", "Venus"}},
      {"South Node of Moon", {"Saturn", "Mars"}},
  }};
  const std::string_view planet = entryForMask(figure).planet;
  for (const DragonPlanets& dragon : kDragons) {
    if (planet == dragon.node) return dragon.planets;
  }
  return {planet, planet};
}

bool sharePlanet(FigureMask a, FigureMask b) {
  const auto ofA = sharedPlanets(a);
  const auto ofB = sharedPlanets(b);
  return std::any_of(ofA.begin(), ofA.end(), [&ofB](std::string_view planet) {
    return std::find(ofB.begin(), ofB.end(), planet) != ofB.end();
  });
}

Company companyOfFigures(FigureMask a, FigureMask b) {
  if (a == b) return Company::Simple;
  if (sharePlanet(a, b)) return Company::DemiSimple;
  if (compoundPartner(a) == b) return Company::Compound;
  if (((a ^ b) & 1u) == 0) return Company::Capitular;  // bit 0 is row 1, the head
  return Company::None;
}

detail::CompanyTable makeCompanyTable() {
  detail::CompanyTable table{};
  for (int a = 0; a < kMaskCount; ++a) {
    for (int b = 0; b < kMaskCount; ++b) {
      table[a][b] = companyOfFigures(static_cast<FigureMask>(a), static_cast<FigureMask>(b));
    }
  }
  return table;
}

std::array<WayOfThePoint, kWayCases> makeWays() {
  std::array<WayOfThePoint, kWayCases> ways{};
  for (int each = 0; each < kWayCases; ++each) ways[each] = wayOfCase(static_cast<WayCase>(each));
  return ways;
}

// Made when the program starts, from the catalogue's constant texts: the lookups that every chart
// makes then need no check that they are there.
const std::array<WayOfThePoint, kWayCases> kWays = makeWays();

constexpr FigureMask kRubeus = maskOf(Figure{2, 1, 2, 2});
constexpr FigureMask kCaudaDraconis = maskOf(Figure{1, 1, 1, 2});

}  // namespace

const detail::CompanyTable detail::kCompanyTable = makeCompanyTable();

PartOfFortune partOfFortune(const HouseFigures& houses) noexcept {
  PartOfFortune index;
  // Each figure has eight points less one for each row of one point.
  index.points = 8 * kHouseCount - house_bits::onePointRows(houses);
  index.figure = indexFigure(index.points);
  // In the traditional order figure n stands in house n: no table to look in.
  index.house = houses.order == HouseOrder::Traditional
                    ? index.figure
                    : houseOfFigure(index.figure, houses.order);
  return index;
}

WayCase wayCase(const ShieldMasks& chart, int row) noexcept {
  return static_cast<WayCase>(
      house_bits::gatherBytesLowBits(house_bits::mothersAndDaughters(chart) >> (row - 1)));
}

const WayOfThePoint& wayOfThePoint(WayCase wayCase) noexcept {
  return kWays[wayCase];
}

std::string_view companyName(Company company) noexcept {
  static constexpr std::array<std::string_view, 5> kNames{"", "simple", "demi-simple", "compound",
                                                          "capitular"};
  return kNames[static_cast<std::size_t>(company)];
}

FigureMask compoundPartner(FigureMask figure) noexcept {
  unsigned reversed = 0;
  for (int row = 0; row < kRowsPerFigure; ++row) {
    reversed |= ((figure >> row) & 1u) << (kRowsPerFigure - 1 - row);
  }
  return static_cast<FigureMask>(reversed == figure ? figure ^ (kMaskCount - 1) : reversed);
}

std::array<Company, kCompanyPairs> companyOfHouses(const HouseFigures& houses) noexcept {
  std::array<Company, kCompanyPairs> company{};
  for (int pair = 0; pair < kCompanyPairs; ++pair) {
    company[pair] = companyOf(houses(2 * pair + 1), houses(2 * pair + 2));
  }
  return company;
}

bool halted(const HouseFigures& houses) noexcept {
  const FigureMask first = houses(1);
  return first == kRubeus || first == kCaudaDraconis;
}

HouseAnalysis analyseHouses(const ShieldMasks& chart, const HouseFigures& houses) noexcept {
  HouseAnalysis analysis;
  analysis.index = partOfFortune(houses);
  for (int row = 1; row <= kRowsPerFigure; ++row) analysis.ways[row - 1] = wayCase(chart, row);
  analysis.company = companyOfHouses(houses);
  return analysis;
}

}  // namespace geomancy
