// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "figure.h"

namespace geomancy {

// A figure as four bits, the form in which whole readings are worked out: bit r - 1 is set when
// row r has one point. A row of a sum is odd exactly when one of its two sources is odd, so
// adding two figures is one exclusive-or.
using FigureMask = std::uint8_t;

// Every figure has a mask below this.
inline constexpr int kMaskCount = 1 << kRowsPerFigure;

// Rows other than one point count as two points.
[[nodiscard]] constexpr FigureMask maskOf(const Figure& figure) noexcept {
  unsigned mask = 0;
  for (int row = 0; row < kRowsPerFigure; ++row) {
    if (figure[row] == kOnePoint) mask |= 1u << row;
  }
  return static_cast<FigureMask>(mask);
}

[[nodiscard]] constexpr Figure figureOf(FigureMask mask) noexcept {
  Figure figure{};
  for (int row = 0; row < kRowsPerFigure; ++row) {
    figure[row] = (mask >> row) & 1u ? kOnePoint : kTwoPoints;
  }
  return figure;
}

[[nodiscard]] constexpr FigureMask addMasks(FigureMask a, FigureMask b) noexcept {
  return static_cast<FigureMask>(a ^ b);
}

}  // namespace geomancy
