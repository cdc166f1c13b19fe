// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <string_view>

#include "figure_mask.h"
#include "house_order.h"
#include "shield_rules.h"

// What a practising geomancer reads from the houses of a Shield chart: the Index (Part of
// Fortune), the Way of the Point, the company that neighbouring houses keep and whether the chart
// may be judged at all. Everything is worked out from the fifteen figures alone, without
// allocating, so that the caster can read millions of charts a second.
namespace geomancy {

// The Index: the points of the twelve house figures added up (a row of one point counts 1, of two
// points 2); the remainder of their division by 12 names a figure, I to XII, a remainder of 0
// figure XII, and the Index stands in that figure's house.
struct PartOfFortune {
  int points = 0;
  int figure = 0;  // 1 to 12
  int house = 0;
};

[[nodiscard]] constexpr int indexFigure(int points) noexcept {
  return points % kHouseCount == 0 ? kHouseCount : points % kHouseCount;
}

[[nodiscard]] PartOfFortune partOfFortune(const HouseFigures& houses) noexcept;

// A list of at most N items, kept in place. Places beyond the size are left as they are, so that
// a new list costs nothing to make: one is made for every chart the caster reads. The compiler
// must take a byte-sized size to be changed by any store (bytes may alias anything), and so reads
// it again after each item stored; a wider Size stays in a register over a run of additions.
template <typename Item, std::size_t N, typename Size = std::uint8_t>
class ShortList {
 public:
  constexpr void push_back(const Item& item) noexcept {
    assert(size_ < N);
    items_[size_++] = item;
  }
  // The next place, as the last item: whatever it held before is still there to be replaced.
  [[nodiscard]] constexpr Item& grow() noexcept {
    assert(size_ < N);
    return items_[size_++];
  }
  constexpr void clear() noexcept { size_ = 0; }
  // Adds the item only if `keep`, without a branch; the list must have room for it either way.
  constexpr void keepIf(bool keep, const Item& item) noexcept {
    assert(size_ < N);
    items_[size_] = item;
    size_ = static_cast<Size>(size_ + (keep ? 1 : 0));
  }
  [[nodiscard]] constexpr std::size_t size() const noexcept { return size_; }
  [[nodiscard]] constexpr bool empty() const noexcept { return size_ == 0; }
  [[nodiscard]] constexpr const Item* begin() const noexcept { return items_.data(); }
  [[nodiscard]] constexpr const Item* end() const noexcept { return items_.data() + size_; }
  [[nodiscard]] constexpr const Item& operator[](std::size_t i) const noexcept { return items_[i]; }

 private:
  std::array<Item, N> items_;
  Size size_ = 0;
};

// The Way of the Point for one row: from the Judge up through every parent whose row has as many
// points as the Judge's. A branch ends where no parent matches, or at a Mother or Daughter. It is
// established when a Witness matches; otherwise it has no branches.
struct WayOfThePoint {
  using Branch = ShortList<std::int8_t, 4>;  // positions, the Judge first
  bool established = false;
  ShortList<Branch, 8> branches;
};

// The way of a row depends on that row of the Mothers and Daughters alone: eight bits, the
// Mothers' the low four. Each of the 256 cases is worked out once.
using WayCase = std::uint8_t;

[[nodiscard]] WayCase wayCase(const ShieldMasks& chart, int row) noexcept;
[[nodiscard]] const WayOfThePoint& wayOfThePoint(WayCase wayCase) noexcept;

// The company two houses keep, the first of these that holds: the same figure (simple); figures
// that share a planet (demi-simple); one figure the other's compound partner; the same head.
enum class Company : std::uint8_t { None, Simple, DemiSimple, Compound, Capitular };

// "simple", "demi-simple", "compound", "capitular"; empty for none.
[[nodiscard]] std::string_view companyName(Company company) noexcept;

// Houses keep company in six fixed pairs: 1 and 2, 3 and 4, ... 11 and 12.
inline constexpr int kCompanyPairs = kHouseCount / 2;

[[nodiscard]] constexpr int companionHouse(int house) noexcept {
  return house % 2 == 1 ? house + 1 : house - 1;
}

// The figure turned upside down; a figure that reads the same upside down has its opposite, every
// row's points changed.
[[nodiscard]] FigureMask compoundPartner(FigureMask figure) noexcept;

namespace detail {
using CompanyTable = std::array<std::array<Company, kMaskCount>, kMaskCount>;
extern const CompanyTable kCompanyTable;  // made from the catalogue when the program starts
}  // namespace detail

[[nodiscard]] inline Company companyOf(FigureMask a, FigureMask b) noexcept {
  return detail::kCompanyTable[a & (kMaskCount - 1)][b & (kMaskCount - 1)];
}

// Pair p (0 to 5) is houses 2p + 1 and 2p + 2.
[[nodiscard]] std::array<Company, kCompanyPairs> companyOfHouses(const HouseFigures& houses) noexcept;

// By tradition a chart with Rubeus or Cauda Draconis in house 1 is not to be judged.
[[nodiscard]] bool halted(const HouseFigures& houses) noexcept;

// What the houses say: the Index, the case of each row's Way of the Point and the company of the
// six pairs.
struct HouseAnalysis {
  PartOfFortune index;
  std::array<WayCase, kRowsPerFigure> ways{};  // by row, top first: see wayOfThePoint()
  std::array<Company, kCompanyPairs> company{};
};

[[nodiscard]] HouseAnalysis analyseHouses(const ShieldMasks& chart,
                                          const HouseFigures& houses) noexcept;

}  // namespace geomancy
