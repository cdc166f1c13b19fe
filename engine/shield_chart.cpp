// SPDX-License-Identifier: MIT
#include "shield_chart.h"

#include <stdexcept>

#include "random_source.h"
#include "shield_rules.h"

namespace geomancy {
namespace {

Figure figureAt(std::span<const RowValue> rows, int position) {
  Figure figure{};
  for (int row = 1; row <= kRowsPerFigure; ++row) {
    figure[row - 1] = rows[rowIndex(position, row)];
  }
  return figure;
}

// The figure at a derived position (4 to 14), from the rows of the figures produced before it.
Figure deriveFigure(int position, std::span<const RowValue> rows) {
  return figureOf(
      deriveMask(position, [rows](int source) { return maskOf(figureAt(rows, source)); }));
}

}  // namespace

std::array<Figure, kFigureCount> shieldFromMothers(
    const std::array<Figure, kMotherCount>& mothers) {
  const ShieldMasks masks = shieldMasks(mothers);
  std::array<Figure, kFigureCount> chart{};
  for (int position = 0; position < kFigureCount; ++position) {
    chart[position] = figureOf(masks[position]);
  }
  return chart;
}

Figure ShieldChart::produceFigure(int position) {
  if (position < 0 || position >= kFigureCount || position != figuresProduced()) {
    throw std::logic_error("figures are produced in position order, one at a time");
  }
  const bool cast = position < kMotherCount;
  Figure figure = cast ? Figure{} : deriveFigure(position, rows_);
  try {
    for (int row = 1; row <= kRowsPerFigure; ++row) {
      // A Mother's rows are cast and stored one draw at a time, row 1 first.
      if (cast) {
        figure[row - 1] = castRow(random_.draw());
      }
      store(rowIndex(position, row), figure[row - 1]);
    }
  } catch (...) {
    // A draw that fails leaves no part of a figure behind.
    rows_.resize(static_cast<std::size_t>(kRowsPerFigure * position));
    throw;
  }
  return figure;
}

RowValue ShieldChart::rowValue(int index) const {
  if (index < 0 || index >= static_cast<int>(rows_.size())) {
    throw std::out_of_range("no row at this index");
  }
  return rows_[index];
}

Figure ShieldChart::judgeRows() const {
  if (figuresProduced() <= kJudgePosition) {
    throw std::logic_error("the Judge does not exist yet");
  }
  return figureAt(rows_, kJudgePosition);
}

void ShieldChart::store(int index, RowValue value) {
  rows_.resize(static_cast<std::size_t>(index) + 1);
  rows_[index] = value;
}

}  // namespace geomancy
