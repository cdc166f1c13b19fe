// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "mersenne_twister.h"

namespace geomancy {

// The program's one source of chance. Draws are single-precision values with 0 <= r < 1.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  [[nodiscard]] virtual float draw() = 0;
  virtual void seed(std::uint64_t seed) = 0;
};

// A Mersenne Twister behind the interface. Each draw takes the top 24 bits of one 32-bit output
// and scales them by 2^-24, so every value is exact in a float and the largest is 1 - 2^-24:
// the result can never round up to 1.0, whatever the platform's standard library does.
class PseudoRandomSource final : public RandomSource {
 public:
  explicit PseudoRandomSource(std::uint64_t seed = 0) : generator_(seed) {}
  [[nodiscard]] float draw() override;
  void seed(std::uint64_t seed) override;

 private:
  MersenneTwister generator_;
};

// Turns 24 random bits into a draw; the bits above the lowest 24 are ignored.
[[nodiscard]] constexpr float drawFromBits(std::uint32_t bits) noexcept {
  return static_cast<float>(bits & 0xFFFFFFu) * 0x1p-24f;
}

// A seed that differs between two starts in the same second: the wall clock in nanoseconds,
// mixed with the steady clock. For the program's shell; the engine never seeds itself.
[[nodiscard]] std::uint64_t clockSeed() noexcept;

}  // namespace geomancy
