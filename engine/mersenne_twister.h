// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace geomancy {

// The 32-bit Mersenne Twister with exactly the output of std::mt19937, seeded the one way the
// program seeds it. libstdc++ keeps mt19937's state in 64-bit words and checks for a new block
// on every call through several layers; here the state is 32-bit words and the common call is
// one load, one tempering and one compare.
class MersenneTwister {
 public:
  explicit MersenneTwister(std::uint64_t seed) { MersenneTwister::seed(seed); }

  // As std::mt19937 seeded with std::seed_seq{low 32 bits, high 32 bits}: specified to the bit,
  // so a seed repeats a run on every platform.
  void seed(std::uint64_t seed);

  [[nodiscard]] std::uint32_t operator()() noexcept {
    if (next_ == kStateSize) regenerate();
    return temper(state_[next_++]);
  }

 private:
  static constexpr std::size_t kStateSize = 624;

  [[nodiscard]] static constexpr std::uint32_t temper(std::uint32_t y) noexcept {
    y ^= y >> 11;
    y ^= (y << 7) & 0x9d2c5680u;
    y ^= (y << 15) & 0xefc60000u;
    return y ^ (y >> 18);
  }

  void regenerate() noexcept;

  std::array<std::uint32_t, kStateSize> state_{};
  std::size_t next_ = kStateSize;
};

}  // namespace geomancy
