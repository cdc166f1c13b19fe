// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "figure_mask.h"

// How the Shield chart's derived figures come from the figures before them. The row store of
// the casting window and the whole readings of the caster both derive through these rules.
namespace geomancy {

// The two source positions of each figure made by addition, positions 8 to 14.
inline constexpr std::array<std::array<int, 2>, 7> kAdditionSources{{
    {0, 1},    // Niece 1: Mother 1 + Mother 2
    {2, 3},    // Niece 2: Mother 3 + Mother 4
    {4, 5},    // Niece 3: Daughter 1 + Daughter 2
    {6, 7},    // Niece 4: Daughter 3 + Daughter 4
    {8, 9},    // Witness 1: Niece 1 + Niece 2
    {10, 11},  // Witness 2: Niece 3 + Niece 4
    {12, 13},  // Judge: Witness 1 + Witness 2
}};

// The figure at a derived position (4 to 14); `maskAt(p)` gives the mask of the figure at an
// earlier position p and is asked only for the figures this one is made from.
template <typename MaskAt>
[[nodiscard]] constexpr FigureMask deriveMask(int position, MaskAt&& maskAt) {
  if (position < kFirstNiece) {
    // Row r of Daughter k is row k of Mother r.
    const int daughter = position - kFirstDaughter;
    unsigned mask = 0;
    for (int mother = 0; mother < kMotherCount; ++mother) {
      mask |= ((static_cast<unsigned>(maskAt(mother)) >> daughter) & 1u) << mother;
    }
    return static_cast<FigureMask>(mask);
  }
  const auto& sources = kAdditionSources[position - kFirstNiece];
  return addMasks(maskAt(sources[0]), maskAt(sources[1]));
}

// The fifteen figures of a chart in position order.
using ShieldMasks = std::array<FigureMask, kFigureCount>;

[[nodiscard]] constexpr ShieldMasks shieldMasks(
    const std::array<FigureMask, kMotherCount>& mothers) noexcept {
  ShieldMasks chart{};
  for (int position = 0; position < kMotherCount; ++position) chart[position] = mothers[position];
  for (int position = kMotherCount; position < kFigureCount; ++position) {
    chart[position] = deriveMask(position, [&chart](int source) { return chart[source]; });
  }
  return chart;
}

// The same from the four Mothers as rows.
[[nodiscard]] constexpr ShieldMasks shieldMasks(
    const std::array<Figure, kMotherCount>& mothers) noexcept {
  std::array<FigureMask, kMotherCount> masks{};
  for (int mother = 0; mother < kMotherCount; ++mother) masks[mother] = maskOf(mothers[mother]);
  return shieldMasks(masks);
}

}  // namespace geomancy
