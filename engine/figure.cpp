#include "figure.h"

#include <stdexcept>

namespace geomancy {

RowValue castRow(float draw) noexcept {
  // floor(2r + 1) as a comparison: summed in single precision, the largest draw below one half
  // would round up to 2 and cast two points.
  return draw < 0.5f ? kOnePoint : kTwoPoints;
}

Figure addFigures(const Figure& a, const Figure& b) noexcept {
  Figure sum{};
  for (int row = 0; row < kRowsPerFigure; ++row) {
    sum[row] = a[row] + b[row] == 3 ? kOnePoint : kTwoPoints;
  }
  return sum;
}

std::string_view figureCaption(int position) {
  static constexpr std::array<std::string_view, kFigureCount> kCaptions{
      "Mother Figure 1",   "Mother Figure 2",   "Mother Figure 3",   "Mother Figure 4",
      "Daughter Figure 1", "Daughter Figure 2", "Daughter Figure 3", "Daughter Figure 4",
      "Niece Figure 1",    "Niece Figure 2",    "Niece Figure 3",    "Niece Figure 4",
      "Witness Figure 1",  "Witness Figure 2",  "Judge Figure"};
  if (position < 0 || position >= kFigureCount) {
    throw std::out_of_range("figure position out of range");
  }
  return kCaptions[position];
}

}  // namespace geomancy
