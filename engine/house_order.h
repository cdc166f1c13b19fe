// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "figure_mask.h"
#include "shield_rules.h"

// Which figure of the Shield chart stands in which of the twelve houses. Readers differ: most
// place figure n (Mothers 1 to 4, Daughters 1 to 4, Nieces 1 to 4) in house n; the Golden Dawn's
// handbook (Liber Gaias, chapter III, p. 144) places figures I to XII in houses 10, 1, 4, 7, 11,
// 2, 5, 8, 12, 3, 6 and 9. Every reading of the houses works from the figures as placed.
namespace geomancy {

inline constexpr int kHouseCount = 12;

enum class HouseOrder : std::uint8_t { Traditional, GoldenDawn };
inline constexpr int kHouseOrderCount = 2;

// "traditional", "golden-dawn": as the caster's option and the journal name them.
[[nodiscard]] std::string_view orderName(HouseOrder order) noexcept;
[[nodiscard]] std::optional<HouseOrder> orderNamed(std::string_view name) noexcept;

// The house of figure n (1 to 12, the position n - 1), by order.
inline constexpr std::array<std::array<std::int8_t, kHouseCount>, kHouseOrderCount> kHouseOfFigure{{
    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
    {10, 1, 4, 7, 11, 2, 5, 8, 12, 3, 6, 9},
}};

[[nodiscard]] constexpr int houseOfFigure(int figure, HouseOrder order) noexcept {
  return kHouseOfFigure[static_cast<std::size_t>(order)][static_cast<std::size_t>(figure - 1)];
}

// The figure (1 to 12) that stands in each house, house 1 first, by order.
inline constexpr auto kFigureInHouse = [] {
  std::array<std::array<std::int8_t, kHouseCount>, kHouseOrderCount> figures{};
  for (std::size_t order = 0; order < kHouseOrderCount; ++order) {
    for (std::size_t figure = 0; figure < kHouseCount; ++figure) {
      figures[order][static_cast<std::size_t>(kHouseOfFigure[order][figure] - 1)] =
          static_cast<std::int8_t>(figure + 1);
    }
  }
  return figures;
}();

[[nodiscard]] constexpr int figureInHouse(int house, HouseOrder order) noexcept {
  return kFigureInHouse[static_cast<std::size_t>(order)][static_cast<std::size_t>(house - 1)];
}

// "I" to "XII", as the handbook numbers the house figures.
[[nodiscard]] constexpr std::string_view figureNumeral(int figure) noexcept {
  constexpr std::array<std::string_view, kHouseCount> kNumerals{
      "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};
  return kNumerals[static_cast<std::size_t>(figure - 1)];
}

// The twelve house figures of a chart as an order places them, house 1 first.
struct HouseFigures {
  std::array<FigureMask, kHouseCount> byHouse{};
  HouseOrder order = HouseOrder::Traditional;

  [[nodiscard]] constexpr FigureMask operator()(int house) const noexcept {
    return byHouse[static_cast<std::size_t>(house - 1)];
  }
};

// Into `houses` in place: made elsewhere and copied, its bytes would be read back in larger
// pieces than they were written, which holds the processor up until the writes are done.
constexpr void placeInHouses(const ShieldMasks& chart, HouseOrder order,
                             HouseFigures& houses) noexcept {
  houses.order = order;
  if (order == HouseOrder::Traditional) {
    // Figure n in house n: the first twelve figures as they stand, one copy.
    std::copy_n(chart.begin(), kHouseCount, houses.byHouse.begin());
    return;
  }
  for (int house = 1; house <= kHouseCount; ++house) {
    houses.byHouse[static_cast<std::size_t>(house - 1)] =
        chart[static_cast<std::size_t>(figureInHouse(house, order) - 1)];
  }
}

[[nodiscard]] constexpr HouseFigures placeInHouses(const ShieldMasks& chart,
                                                   HouseOrder order) noexcept {
  HouseFigures houses;
  placeInHouses(chart, order, houses);
  return houses;
}

}  // namespace geomancy
