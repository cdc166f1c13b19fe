#include "shield_chart.h"

#include <stdexcept>

#include "random_source.h"

namespace geomancy {
namespace {

constexpr int kFirstDaughter = 4;
constexpr int kFirstNiece = 8;

// The two source positions of each figure made by addition, positions 8 to 14.
constexpr std::array<std::array<int, 2>, 7> kAdditionSources{{
    {0, 1},    // Niece 1: Mother 1 + Mother 2
    {2, 3},    // Niece 2: Mother 3 + Mother 4
    {4, 5},    // Niece 3: Daughter 1 + Daughter 2
    {6, 7},    // Niece 4: Daughter 3 + Daughter 4
    {8, 9},    // Witness 1: Niece 1 + Niece 2
    {10, 11},  // Witness 2: Niece 3 + Niece 4
    {12, 13},  // Judge: Witness 1 + Witness 2
}};

Figure figureAt(std::span<const RowValue> rows, int position) {
  Figure figure{};
  for (int row = 1; row <= kRowsPerFigure; ++row) {
    figure[row - 1] = rows[rowIndex(position, row)];
  }
  return figure;
}

}  // namespace

Figure deriveFigure(int position, std::span<const RowValue> rows) {
  if (position < kFirstDaughter || position >= kFigureCount) {
    throw std::out_of_range("only positions 4 to 14 are derived");
  }
  if (rows.size() < static_cast<std::size_t>(kRowsPerFigure * position)) {
    throw std::logic_error("the figures before this position do not exist yet");
  }
  if (position < kFirstNiece) {
    // Row r of Daughter k is row k of Mother r.
    const int daughter = position - kFirstDaughter + 1;
    Figure figure{};
    for (int row = 1; row <= kRowsPerFigure; ++row) {
      figure[row - 1] = rows[rowIndex(row - 1, daughter)];
    }
    return figure;
  }
  const auto& sources = kAdditionSources[position - kFirstNiece];
  return addFigures(figureAt(rows, sources[0]), figureAt(rows, sources[1]));
}

std::array<Figure, kFigureCount> shieldFromMothers(
    const std::array<Figure, kMotherCount>& mothers) {
  std::array<RowValue, kRowCount> rows{};
  std::array<Figure, kFigureCount> chart{};
  for (int position = 0; position < kFigureCount; ++position) {
    chart[position] =
        position < kMotherCount
            ? mothers[position]
            : deriveFigure(position, std::span(rows).first(kRowsPerFigure * position));
    for (int row = 1; row <= kRowsPerFigure; ++row) {
      rows[rowIndex(position, row)] = chart[position][row - 1];
    }
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
