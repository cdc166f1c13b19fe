// SPDX-License-Identifier: MIT
#pragma once

#include "figure_mask.h"
#include "shield_rules.h"

namespace geomancy {

// One reading: the fifteen figures of the Shield chart in position order, and the Reconciler.
struct Reading {
  ShieldMasks chart{};
  // The Judge added to Mother 1; traditional readers consult it, the desktop program does not.
  FigureMask reconciler{};

  [[nodiscard]] constexpr FigureMask judge() const noexcept { return chart[kJudgePosition]; }
};

[[nodiscard]] constexpr Reading readingOf(const ShieldMasks& chart) noexcept {
  return {chart, addMasks(chart[kJudgePosition], chart[0])};
}

}  // namespace geomancy
