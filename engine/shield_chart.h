// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <span>
#include <vector>

#include "figure.h"

namespace geomancy {

class RandomSource;

// The whole chart of fifteen figures that four given Mothers lead to.
[[nodiscard]] std::array<Figure, kFigureCount> shieldFromMothers(
    const std::array<Figure, kMotherCount>& mothers);

// The Shield chart of the reading under way, as one flat row store: row r of the figure at
// position p lives at index 4p + r - 1. Figures are produced strictly in position order; the
// Mothers draw one value per row from the shared random source, the rest are derived.
class ShieldChart {
 public:
  explicit ShieldChart(RandomSource& random) : random_(random) { rows_.reserve(kRowCount); }

  // Empties the store: zero rows, and the next figure produced is Mother 1.
  void reset() noexcept { rows_.clear(); }

  // Casts or derives the figure at `position` and appends its four rows, row 1 first.
  // Throws std::logic_error unless exactly `position` figures exist.
  Figure produceFigure(int position);

  // Throws std::out_of_range for an index that holds no row.
  [[nodiscard]] RowValue rowValue(int index) const;

  // Rows at indices 56 to 59, top first. Throws std::logic_error before the Judge exists.
  [[nodiscard]] Figure judgeRows() const;

  [[nodiscard]] int figuresProduced() const noexcept {
    return static_cast<int>(rows_.size()) / kRowsPerFigure;
  }
  [[nodiscard]] std::span<const RowValue> rows() const noexcept { return rows_; }

 private:
  void store(int index, RowValue value);

  RandomSource& random_;
  std::vector<RowValue> rows_;
};

}  // namespace geomancy
