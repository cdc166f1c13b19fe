// SPDX-License-Identifier: MIT
#include "mersenne_twister.h"

#include <algorithm>
#include <random>

namespace geomancy {
namespace {

constexpr std::size_t kShift = 397;
constexpr std::uint32_t kUpperBit = 0x80000000u;

constexpr std::uint32_t twist(std::uint32_t current, std::uint32_t following,
                              std::uint32_t distant) noexcept {
  const std::uint32_t y = (current & kUpperBit) | (following & ~kUpperBit);
  return distant ^ (y >> 1) ^ ((y & 1u) != 0 ? 0x9908b0dfu : 0u);
}

}  // namespace

void MersenneTwister::seed(std::uint64_t seed) {
  std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
  sequence.generate(state_.begin(), state_.end());
  // The standard's guard against the one state that would only ever give zeros.
  if ((state_[0] & kUpperBit) == 0 &&
      std::all_of(state_.begin() + 1, state_.end(), [](std::uint32_t word) { return word == 0; })) {
    state_[0] = kUpperBit;
  }
  next_ = kStateSize;
}

void MersenneTwister::regenerate() noexcept {
  // Three runs instead of one loop with remainders, so that each runs without index arithmetic.
  std::size_t i = 0;
  for (; i < kStateSize - kShift; ++i) {
    state_[i] = twist(state_[i], state_[i + 1], state_[i + kShift]);
  }
  for (; i < kStateSize - 1; ++i) {
    state_[i] = twist(state_[i], state_[i + 1], state_[i + kShift - kStateSize]);
  }
  state_[kStateSize - 1] = twist(state_[kStateSize - 1], state_[0], state_[kShift - 1]);
  next_ = 0;
}

}  // namespace geomancy
