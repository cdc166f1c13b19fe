// SPDX-License-Identifier: MIT
#include "figure.h"

#include <stdexcept>

#include "figure_mask.h"

namespace geomancy {

Figure addFigures(const Figure& a, const Figure& b) noexcept {
  return figureOf(addMasks(maskOf(a), maskOf(b)));
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
