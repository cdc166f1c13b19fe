// SPDX-License-Identifier: MIT
#include "random_source.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <set>
#include <thread>
#include <vector>

#include "figure.h"

using geomancy::drawFromBits;
using geomancy::PseudoRandomSource;

namespace {

std::vector<float> drawMany(PseudoRandomSource& source, int count) {
  std::vector<float> draws;
  draws.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) draws.push_back(source.draw());
  return draws;
}

}  // namespace

TEST(DrawFromBits, CoversZeroToJustBelowOne) {
  EXPECT_EQ(drawFromBits(0), 0.0f);
  EXPECT_EQ(drawFromBits(0x800000), 0.5f);
  EXPECT_EQ(drawFromBits(0xFFFFFF), std::nextafter(1.0f, 0.0f));
  EXPECT_LT(drawFromBits(0xFFFFFF), 1.0f);
  // Only the lowest 24 bits count.
  EXPECT_EQ(drawFromBits(0xFFFFFFFF), drawFromBits(0xFFFFFF));
  EXPECT_EQ(drawFromBits(0xFF000000), 0.0f);
  // The cast flips exactly between the two middle bit patterns.
  EXPECT_EQ(geomancy::castRow(drawFromBits(0x7FFFFF)), 1);
  EXPECT_EQ(geomancy::castRow(drawFromBits(0x800000)), 2);
}

TEST(PseudoRandomSource, MillionsOfDrawsStayInRangeAndAreFair) {
  PseudoRandomSource source(20240601);
  constexpr int kDraws = 4'000'000;
  double sum = 0;
  int belowHalf = 0;
  int outOfRange = 0;
  for (int i = 0; i < kDraws; ++i) {
    const float r = source.draw();
    if (!(r >= 0.0f && r < 1.0f)) ++outOfRange;
    if (r < 0.5f) ++belowHalf;
    sum += r;
  }
  EXPECT_EQ(outOfRange, 0);
  // The standard error of the mean is about 0.00015 here; these bounds are far outside it.
  EXPECT_NEAR(sum / kDraws, 0.5, 0.002);
  EXPECT_NEAR(static_cast<double>(belowHalf) / kDraws, 0.5, 0.002);
}

TEST(PseudoRandomSource, SeedDecidesTheSequence) {
  PseudoRandomSource first(42);
  PseudoRandomSource second(42);
  const auto run = drawMany(first, 1000);
  EXPECT_EQ(drawMany(second, 1000), run);

  // Seeding again starts the same sequence over.
  first.seed(42);
  EXPECT_EQ(drawMany(first, 1000), run);

  PseudoRandomSource other(43);
  EXPECT_NE(drawMany(other, 1000), run);
  // Seeds that differ only above the lowest 32 bits lead to different sequences too.
  PseudoRandomSource high(42 + (std::uint64_t{1} << 32));
  EXPECT_NE(drawMany(high, 1000), run);
}

TEST(ClockSeed, ChangesWithinTheSameSecond) {
  // A seed taken from a clock that counts whole seconds would repeat here.
  std::set<std::uint64_t> seeds;
  for (int i = 0; i < 5; ++i) {
    seeds.insert(geomancy::clockSeed());
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  EXPECT_EQ(seeds.size(), 5u);
}
