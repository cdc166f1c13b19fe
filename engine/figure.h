// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace geomancy {

// One row of a figure: 1 is one point (odd), 2 is two points (even).
using RowValue = std::int16_t;

inline constexpr RowValue kOnePoint = 1;
inline constexpr RowValue kTwoPoints = 2;

// Four rows, row 1 (top) first.
using Figure = std::array<RowValue, 4>;

inline constexpr int kRowsPerFigure = 4;
inline constexpr int kMotherCount = 4;
inline constexpr int kFigureCount = 15;
inline constexpr int kRowCount = kFigureCount * kRowsPerFigure;

// Positions 0 to 14 in the order in which the figures are made: Mothers 1 to 4, Daughters 1 to 4,
// Nieces 1 to 4, the Witnesses and the Judge.
inline constexpr int kFirstDaughter = 4;
inline constexpr int kFirstNiece = 8;
inline constexpr int kRightWitness = 12;  // Witness 1, from Nieces 1 and 2
inline constexpr int kLeftWitness = 13;   // Witness 2, from Nieces 3 and 4
inline constexpr int kJudgePosition = 14;

// The positions before the Judge by the group that holds them, as a chart's readers name them:
// name, first position, number of figures.
struct PositionGroup {
  std::string_view name;
  int first;
  int count;
};
inline constexpr std::array<PositionGroup, 4> kPositionGroups{{
    {"mothers", 0, kMotherCount},
    {"daughters", kFirstDaughter, kFirstNiece - kFirstDaughter},
    {"nieces", kFirstNiece, kRightWitness - kFirstNiece},
    {"witnesses", kRightWitness, kJudgePosition - kRightWitness},
}};

// The row cast from one draw r, 0 <= r < 1: one point below one half, two points from one half on.
// Written as a comparison rather than floor(2r + 1): summed in single precision, the largest draw
// below one half would round up to 2 and cast two points.
[[nodiscard]] constexpr RowValue castRow(float draw) noexcept {
  return draw < 0.5f ? kOnePoint : kTwoPoints;
}

// "Mother 1" ... "Niece 4", "Witness 1", "Witness 2", "Judge", by position 0 to 14; empty for any
// other number.
[[nodiscard]] std::string_view positionName(int position) noexcept;

// "Mother Figure 1" ... "Judge Figure", as the casting window's captions name the positions.
// Throws std::out_of_range for a number other than 0 to 14.
[[nodiscard]] std::string_view figureCaption(int position);

// Where row `row` (1 to 4) of the figure at `position` lives in the row store.
[[nodiscard]] constexpr int rowIndex(int position, int row) noexcept {
  return kRowsPerFigure * position + (row - 1);
}

}  // namespace geomancy
