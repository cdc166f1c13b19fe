// SPDX-License-Identifier: MIT
#include "figure.h"

#include <stdexcept>

namespace geomancy {
namespace {

struct PositionNames {
  std::string_view name;
  std::string_view caption;
};

constexpr std::array<PositionNames, kFigureCount> kPositionNames{{
    {"Mother 1", "Mother Figure 1"},
    {"Mother 2", "Mother Figure 2"},
    {"Mother 3", "Mother Figure 3"},
    {"Mother 4", "Mother Figure 4"},
    {"Daughter 1", "Daughter Figure 1"},
    {"Daughter 2", "Daughter Figure 2"},
    {"Daughter 3", "Daughter Figure 3"},
    {"Daughter 4", "Daughter Figure 4"},
    {"Niece 1", "Niece Figure 1"},
    {"Niece 2", "Niece Figure 2"},
    {"Niece 3", "Niece Figure 3"},
    {"Niece 4", "Niece Figure 4"},
    {"Witness 1", "Witness Figure 1"},
    {"Witness 2", "Witness Figure 2"},
    {"Judge", "Judge Figure"},
}};

}  // namespace

std::string_view positionName(int position) noexcept {
  return position >= 0 && position < kFigureCount ? kPositionNames[position].name
                                                  : std::string_view{};
}

std::string_view figureCaption(int position) {
  if (position < 0 || position >= kFigureCount) {
    throw std::out_of_range("figure position out of range");
  }
  return kPositionNames[position].caption;
}

}  // namespace geomancy
