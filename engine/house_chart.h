// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "figure_mask.h"
#include "shield_rules.h"

// What a practising geomancer reads from a Shield chart beyond its Judge: the twelve houses, the
// Index (Part of Fortune), the Way of the Point and the modes of perfection between two houses.
// Everything is worked out from the fifteen figures alone, without allocating, so that the caster
// can read millions of charts a second.
namespace geomancy {

inline constexpr int kHouseCount = 12;
inline constexpr int kRightWitness = 12;  // Witness 1, from Nieces 1 and 2
inline constexpr int kLeftWitness = 13;   // Witness 2, from Nieces 3 and 4

// Houses 1 to 12 hold Mothers 1 to 4, Daughters 1 to 4 and Nieces 1 to 4, in that order.
[[nodiscard]] constexpr FigureMask houseFigure(const ShieldMasks& chart, int house) noexcept {
  return chart[house - 1];
}

// A row with one point counts 1, with two points 2.
[[nodiscard]] constexpr int pointsOf(FigureMask figure) noexcept {
  // A table rather than std::popcount, which is a library call on processors without POPCNT.
  constexpr std::array<std::int8_t, kMaskCount> kPoints{8, 7, 7, 6, 7, 6, 6, 5,
                                                        7, 6, 6, 5, 6, 5, 5, 4};
  return kPoints[figure & (kMaskCount - 1)];
}

// Houses next to each other round the wheel; house 12 is next to house 1.
[[nodiscard]] constexpr bool adjacentHouses(int a, int b) noexcept {
  const int apart = a > b ? a - b : b - a;
  return apart == 1 || apart == kHouseCount - 1;
}

// "Mother 1" ... "Niece 4", "Witness 1", "Witness 2", "Judge", by position 0 to 14.
[[nodiscard]] std::string_view positionName(int position) noexcept;

// The Index: the points of the twelve house figures added up; the remainder of their division
// by 12 names the house, a remainder of 0 house 12.
struct PartOfFortune {
  int points = 0;
  int house = 0;
};

[[nodiscard]] constexpr int indexHouse(int points) noexcept {
  return points % kHouseCount == 0 ? kHouseCount : points % kHouseCount;
}

[[nodiscard]] PartOfFortune partOfFortune(const ShieldMasks& chart) noexcept;

// A list of at most N items, kept in place.
template <typename Item, std::size_t N>
class ShortList {
 public:
  constexpr void push_back(const Item& item) noexcept { items_[size_++] = item; }
  [[nodiscard]] constexpr std::size_t size() const noexcept { return size_; }
  [[nodiscard]] constexpr bool empty() const noexcept { return size_ == 0; }
  [[nodiscard]] constexpr const Item* begin() const noexcept { return items_.data(); }
  [[nodiscard]] constexpr const Item* end() const noexcept { return items_.data() + size_; }
  [[nodiscard]] constexpr const Item& operator[](std::size_t i) const noexcept { return items_[i]; }

 private:
  std::array<Item, N> items_{};
  std::size_t size_ = 0;
};

// The Way of the Point for one row: from the Judge up through every parent whose row has as many
// points as the Judge's. A branch ends where no parent matches, or at a Mother or Daughter. It is
// established when a Witness matches; otherwise it has no branches.
struct WayOfThePoint {
  using Branch = ShortList<std::int8_t, 4>;  // positions, the Judge first
  int row = 0;
  bool established = false;
  ShortList<Branch, 8> branches;
};

[[nodiscard]] WayOfThePoint wayOfThePoint(const ShieldMasks& chart, int row) noexcept;

// The two figures added to make the figure at a position from 8 to 14.
[[nodiscard]] constexpr const std::array<int, 2>& parentsOf(int position) noexcept {
  return kAdditionSources[position - kFirstNiece];
}

// The modes of perfection between the querent's house and the quesited's. Q is the figure in the
// querent's house, X the figure in the quesited's; every mode found is listed.
struct Perfection {
  enum class Significator : std::uint8_t { Querent, Quesited };
  // Houses as small numbers: a Perfection is made for every chart the caster reads.
  struct Conjunction {
    std::int8_t house = 0;
    Significator figureOf = Significator::Querent;  // whose figure stands there
  };
  struct HousePair {
    std::int8_t a = 0;
    std::int8_t b = 0;
  };

  int querent = 0;
  int quesited = 0;
  // Q and X are the same figure.
  bool occupation = false;
  // Q in a house, other than the querent's, next to the quesited's; or X in a house, other than
  // the quesited's, next to the querent's. By house, Q's first.
  ShortList<Conjunction, 4> conjunction;
  // Q in a house a other than the querent's and X in a house b other than the quesited's, a and b
  // next to each other. By a, then b.
  ShortList<HousePair, 2 * kHouseCount> mutation;
  // A figure that is neither Q nor X in a house a next to the querent's and in a house b next to
  // the quesited's (a and b may be the one house between them). By a, then b.
  ShortList<HousePair, 4> translation;

  [[nodiscard]] bool perfects() const noexcept {
    return occupation || !conjunction.empty() || !mutation.empty() || !translation.empty();
  }
};

// Both houses from 1 to 12, and not the same.
[[nodiscard]] Perfection perfection(const ShieldMasks& chart, int querent, int quesited) noexcept;

}  // namespace geomancy
