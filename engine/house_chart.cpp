// SPDX-License-Identifier: MIT
#include "house_chart.h"

#include <bit>

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
    for (const int parent : parentsOf(position)) {
      if (!matches(parent)) continue;
      goesOn = true;
      followWay(parent, path, matches, way);
    }
  }
  if (!goesOn) way.branches.push_back(path);
}

// The two houses next to `house`, the lower number first.
std::array<int, 2> neighbours(int house) noexcept {
  const int before = house == 1 ? kHouseCount : house - 1;
  const int after = house == kHouseCount ? 1 : house + 1;
  return before < after ? std::array{before, after} : std::array{after, before};
}

Perfection::HousePair pairOf(int a, int b) noexcept {
  return {static_cast<std::int8_t>(a), static_cast<std::int8_t>(b)};
}

unsigned neighbourBits(int house) noexcept {
  const std::array<int, 2> next = neighbours(house);
  return (1u << next[0]) | (1u << next[1]);
}

// Calls visit(house) for each house whose bit is set, the lowest first.
template <typename Visit>
void forEachHouse(unsigned houses, Visit&& visit) {
  for (; houses != 0; houses &= houses - 1) visit(std::countr_zero(houses));
}

}  // namespace

std::string_view positionName(int position) noexcept {
  static constexpr std::array<std::string_view, kFigureCount> kNames{
      "Mother 1",   "Mother 2",   "Mother 3",   "Mother 4",  "Daughter 1",
      "Daughter 2", "Daughter 3", "Daughter 4", "Niece 1",   "Niece 2",
      "Niece 3",    "Niece 4",    "Witness 1",  "Witness 2", "Judge"};
  return position >= 0 && position < kFigureCount ? kNames[position] : std::string_view{};
}

PartOfFortune partOfFortune(const ShieldMasks& chart) noexcept {
  PartOfFortune index;
  for (int house = 1; house <= kHouseCount; ++house) {
    index.points += pointsOf(houseFigure(chart, house));
  }
  index.house = indexHouse(index.points);
  return index;
}

WayOfThePoint wayOfThePoint(const ShieldMasks& chart, int row) noexcept {
  WayOfThePoint way;
  way.row = row;
  const unsigned bit = 1u << (row - 1);
  const bool judgeOdd = (chart[kJudgePosition] & bit) != 0;
  const auto matches = [&](int position) { return ((chart[position] & bit) != 0) == judgeOdd; };
  way.established = matches(kRightWitness) || matches(kLeftWitness);
  if (way.established) followWay(kJudgePosition, Branch{}, matches, way);
  return way;
}

Perfection perfection(const ShieldMasks& chart, int querent, int quesited) noexcept {
  Perfection found;
  found.querent = querent;
  found.quesited = quesited;
  const FigureMask q = houseFigure(chart, querent);
  const FigureMask x = houseFigure(chart, quesited);
  found.occupation = q == x;
  // The houses where Q and X stand besides their own, as bits 1 to 12.
  unsigned qElsewhere = 0;
  unsigned xElsewhere = 0;
  for (int house = 1; house <= kHouseCount; ++house) {
    if (houseFigure(chart, house) == q) qElsewhere |= 1u << house;
    if (houseFigure(chart, house) == x) xElsewhere |= 1u << house;
  }
  qElsewhere &= ~(1u << querent);
  xElsewhere &= ~(1u << quesited);

  const unsigned qNextToQuesited = qElsewhere & neighbourBits(quesited);
  const unsigned xNextToQuerent = xElsewhere & neighbourBits(querent);
  for (int house = 1; house <= kHouseCount; ++house) {
    if ((qNextToQuesited >> house) & 1u) {
      found.conjunction.push_back(
          {static_cast<std::int8_t>(house), Perfection::Significator::Querent});
    }
    if ((xNextToQuerent >> house) & 1u) {
      found.conjunction.push_back(
          {static_cast<std::int8_t>(house), Perfection::Significator::Quesited});
    }
  }
  forEachHouse(qElsewhere, [&](int a) {
    forEachHouse(xElsewhere & neighbourBits(a),
                 [&](int b) { found.mutation.push_back(pairOf(a, b)); });
  });
  for (const int a : neighbours(querent)) {
    const FigureMask messenger = houseFigure(chart, a);
    if (messenger == q || messenger == x) continue;
    for (const int b : neighbours(quesited)) {
      if (houseFigure(chart, b) == messenger) found.translation.push_back(pairOf(a, b));
    }
  }
  return found;
}

}  // namespace geomancy
