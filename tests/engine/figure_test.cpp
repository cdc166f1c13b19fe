// SPDX-License-Identifier: MIT
#include "figure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "figure_mask.h"

using geomancy::castRow;
using geomancy::Figure;
using geomancy::RowValue;

namespace {

// Figures add as their masks do, row by row.
Figure addFigures(const Figure& a, const Figure& b) {
  return geomancy::figureOf(geomancy::addMasks(geomancy::maskOf(a), geomancy::maskOf(b)));
}

Figure figureFromBits(unsigned bits) {
  Figure figure{};
  for (int row = 0; row < 4; ++row) figure[row] = (bits >> row) & 1u ? 2 : 1;
  return figure;
}

}  // namespace

TEST(CastRow, OnePointBelowOneHalfAndTwoPointsFromOneHalfOn) {
  EXPECT_EQ(castRow(0.0f), 1);
  EXPECT_EQ(castRow(std::nextafter(0.5f, 0.0f)), 1);
  EXPECT_EQ(castRow(0.5f), 2);
  EXPECT_EQ(castRow(std::nextafter(1.0f, 0.0f)), 2);
}

TEST(AddFigures, SingleRows) {
  EXPECT_EQ(addFigures({1, 1, 1, 1}, {1, 1, 1, 1}), (Figure{2, 2, 2, 2}));
  EXPECT_EQ(addFigures({1, 1, 1, 1}, {2, 2, 2, 2}), (Figure{1, 1, 1, 1}));
  EXPECT_EQ(addFigures({2, 2, 2, 2}, {1, 1, 1, 1}), (Figure{1, 1, 1, 1}));
  EXPECT_EQ(addFigures({2, 2, 2, 2}, {2, 2, 2, 2}), (Figure{2, 2, 2, 2}));
}

// Each row is added on its own: a row is odd exactly when one of its two sources is odd.
TEST(AddFigures, EveryPairOfFiguresRowByRow) {
  for (unsigned a = 0; a < 16; ++a) {
    for (unsigned b = 0; b < 16; ++b) {
      const Figure left = figureFromBits(a);
      const Figure right = figureFromBits(b);
      Figure expected{};
      for (int row = 0; row < 4; ++row)
        expected[row] = (left[row] == 1) != (right[row] == 1) ? 1 : 2;
      EXPECT_EQ(addFigures(left, right), expected) << "figures " << a << " + " << b;
    }
  }
}

TEST(FigureCaption, NamesEveryPositionInProductionOrder) {
  const char* const expected[] = {"Mother Figure 1",   "Mother Figure 2",   "Mother Figure 3",
                                  "Mother Figure 4",   "Daughter Figure 1", "Daughter Figure 2",
                                  "Daughter Figure 3", "Daughter Figure 4", "Niece Figure 1",
                                  "Niece Figure 2",    "Niece Figure 3",    "Niece Figure 4",
                                  "Witness Figure 1",  "Witness Figure 2",  "Judge Figure"};
  for (int position = 0; position < 15; ++position) {
    EXPECT_EQ(geomancy::figureCaption(position), expected[position]);
  }
  EXPECT_THROW((void)geomancy::figureCaption(-1), std::out_of_range);
  EXPECT_THROW((void)geomancy::figureCaption(15), std::out_of_range);
}
