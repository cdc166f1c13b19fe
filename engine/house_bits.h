// SPDX-License-Identifier: MIT
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

#include "house_order.h"
#include "shield_rules.h"

// The twelve house figures eight at a time in one 64-bit word, one figure a byte, so that a chart
// is read with a few word operations instead of a loop over its houses. Inside the engine only.
namespace geomancy::house_bits {

inline constexpr std::uint64_t kEveryByte = 0x0101010101010101u;

// `count` figures from `first` on, the first in the lowest byte.
template <int count>
[[nodiscard]] inline std::uint64_t figuresFrom(const FigureMask* first) noexcept {
  static_assert(count <= 8);
  std::uint64_t word = 0;
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(&word, first, count);  // one load
  } else {
    for (int at = 0; at < count; ++at) word |= std::uint64_t{first[at]} << (8 * at);
  }
  return word;
}

// The Mothers and Daughters (positions 0 to 7), Mother 1 in the lowest byte.
[[nodiscard]] inline std::uint64_t mothersAndDaughters(const ShieldMasks& chart) noexcept {
  return figuresFrom<8>(chart.data());
}

// Houses 1 to 8, house 1 in the lowest byte.
[[nodiscard]] inline std::uint64_t firstEight(const HouseFigures& houses) noexcept {
  return figuresFrom<8>(houses.byHouse.data());
}

// Houses 9 to 12, house 9 in the lowest byte, and nothing above them.
[[nodiscard]] inline std::uint64_t lastFour(const HouseFigures& houses) noexcept {
  return figuresFrom<4>(houses.byHouse.data() + 8);
}

// Bit 8p of the word (p = 0 to 7) as bit p of the result: one multiplication moves each to its
// place in the top byte, where no two products meet.
[[nodiscard]] constexpr unsigned gatherBytesLowBits(std::uint64_t word) noexcept {
  return static_cast<unsigned>(((word & kEveryByte) * 0x0102040810204080u) >> 56);
}

// Bit p set for each byte p equal to `figure` (bytes hold figures, 0 to 15).
[[nodiscard]] constexpr unsigned bytesEqualTo(std::uint64_t word, unsigned figure) noexcept {
  const std::uint64_t apart = word ^ (figure * kEveryByte);  // zero where equal, else below 0x10
  // Adding 0x7F sets a byte's top bit exactly when the byte is not zero, with no carry out of it.
  return gatherBytesLowBits(~(apart + 0x7F * kEveryByte) >> 7);
}

// The houses holding `figure`, as bits 1 to 12.
[[nodiscard]] inline unsigned housesHolding(const HouseFigures& houses, unsigned figure) noexcept {
  const unsigned byPlace =
      bytesEqualTo(firstEight(houses), figure) | bytesEqualTo(lastFour(houses), figure) << 8;
  return (byPlace << 1) & 0x1FFEu;  // the empty bytes past house 12 left out
}

// The rows of one point in the twelve house figures, all together.
[[nodiscard]] inline int onePointRows(const HouseFigures& houses) noexcept {
  const auto count = [](std::uint64_t word) {
    word -= (word >> 1) & 0x5555555555555555u;                                  // pairs of rows
    word = (word & 0x3333333333333333u) + ((word >> 2) & 0x3333333333333333u);  // whole figures
    return word;
  };
  // No byte's count passes 8, so the multiplication sums them in the top byte without carries.
  return static_cast<int>(((count(firstEight(houses)) + count(lastFour(houses))) * kEveryByte) >> 56);
}

}  // namespace geomancy::house_bits
