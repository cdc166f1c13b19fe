// SPDX-License-Identifier: MIT
#include "house_order.h"

namespace geomancy {
namespace {

constexpr std::array<std::string_view, kHouseOrderCount> kOrderNames{"traditional", "golden-dawn"};

}  // namespace

std::string_view orderName(HouseOrder order) noexcept {
  return kOrderNames[static_cast<std::size_t>(order)];
}

std::optional<HouseOrder> orderNamed(std::string_view name) noexcept {
  for (std::size_t order = 0; order < kOrderNames.size(); ++order) {
    if (kOrderNames[order] == name) return static_cast<HouseOrder>(order);
  }
  return std::nullopt;
}

}  // namespace geomancy
