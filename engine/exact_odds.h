// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "figure_mask.h"
#include "house_chart.h"
#include "house_order.h"

namespace geomancy {

// Counts over every possible chart: each of the 65,536 sets of four Mothers once. Divided by
// kSets, the counts are the exact chances of a fair casting, not estimates.
struct ExactOdds {
  static constexpr std::uint32_t kSets = 1u << (kMotherCount * kRowsPerFigure);

  struct PerfectionCounts {
    int querent = 0;
    int quesited = 0;
    // The sets of Mothers in which each mode is found, and in which any is.
    std::uint32_t occupation = 0;
    std::uint32_t conjunction = 0;
    std::uint32_t mutation = 0;
    std::uint32_t translation = 0;
    std::uint32_t perfects = 0;
    // The sets in which at least one aspect is cast onto a significator's house.
    std::uint32_t aspects = 0;
    // By kind (Company::None unused): the sets in which the querent's or the quesited's house
    // keeps that company with its companion house.
    std::array<std::uint32_t, 5> company{};
  };

  HouseOrder order = HouseOrder::Traditional;
  std::array<std::uint32_t, kMaskCount> judge{};       // by the Judge's mask
  std::array<std::uint32_t, kHouseCount + 1> index{};  // by the Index's house; [0] unused
  std::uint32_t halted = 0;                            // Rubeus or Cauda Draconis in house 1
  std::optional<PerfectionCounts> perfection;          // for one pair of houses, if asked
};

// The figures placed in the houses by `order`.
[[nodiscard]] ExactOdds exactOdds(HouseOrder order = HouseOrder::Traditional);
// With the modes of perfection between the two houses (1 to 12, not the same).
[[nodiscard]] ExactOdds exactOdds(int querent, int quesited,
                                  HouseOrder order = HouseOrder::Traditional);

}  // namespace geomancy
