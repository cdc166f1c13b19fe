// SPDX-License-Identifier: MIT
#include "random_source.h"

#include <chrono>

namespace geomancy {

float PseudoRandomSource::draw() {
  return drawFromBits(generator_() >> 8);
}

void PseudoRandomSource::seed(std::uint64_t seed) {
  generator_.seed(seed);
}

std::uint64_t clockSeed() noexcept {
  const auto wall = std::chrono::system_clock::now().time_since_epoch();
  const auto steady = std::chrono::steady_clock::now().time_since_epoch();
  const auto wallNs = std::chrono::duration_cast<std::chrono::nanoseconds>(wall).count();
  const auto steadyNs = std::chrono::duration_cast<std::chrono::nanoseconds>(steady).count();
  return static_cast<std::uint64_t>(wallNs) ^ (static_cast<std::uint64_t>(steadyNs) << 21);
}

}  // namespace geomancy
