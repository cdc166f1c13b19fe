// SPDX-License-Identifier: MIT
#include "reading_caster.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "catalogue.h"
#include "figure_mask.h"
#include "mersenne_twister.h"
#include "random_source.h"
#include "shield_chart.h"

using geomancy::FigureMask;

namespace {

constexpr std::uint64_t kSeeds[] = {0, 1, 42, 4294967295u, 4294967296u, 18446744073709551615u};

}  // namespace

// The program's runs are repeatable only as long as its generator gives std::mt19937's stream.
TEST(MersenneTwister, GivesTheStandardStreamForEverySeed) {
  for (const std::uint64_t seed : kSeeds) {
    std::seed_seq sequence{static_cast<std::uint32_t>(seed),
                           static_cast<std::uint32_t>(seed >> 32)};
    std::mt19937 standard(sequence);
    geomancy::MersenneTwister generator(seed);
    // Several times the 624 words of state, so that each regeneration is crossed.
    for (int i = 0; i < 5000; ++i) {
      ASSERT_EQ(generator(), standard()) << "seed " << seed << ", output " << i;
    }
    generator.seed(seed);
    standard.seed(sequence);
    EXPECT_EQ(generator(), standard()) << "seeded again: " << seed;
  }
}

TEST(FigureMask, EveryFigureRoundTrips) {
  for (int a = 0; a < geomancy::kMaskCount; ++a) {
    const auto mask = static_cast<FigureMask>(a);
    const geomancy::Figure figure = geomancy::figureOf(mask);
    EXPECT_EQ(geomancy::maskOf(figure), mask);
    EXPECT_EQ(geomancy::entryForMask(mask).pattern, figure);
    EXPECT_EQ(&geomancy::entryForMask(mask), geomancy::entryForRows(figure));
  }
}

// The caster's whole readings and the casting window's figure-by-figure production are the same
// readings for the same seed, in the same order.
TEST(ReadingCaster, CastsWhatTheRowStoreCastsForTheSameSeed) {
  for (const std::uint64_t seed : kSeeds) {
    geomancy::ReadingCaster caster(seed);
    geomancy::PseudoRandomSource random(seed);
    geomancy::ShieldChart chart(random);
    for (int reading = 0; reading < 2000; ++reading) {
      const geomancy::ShieldMasks masks = caster.next();
      chart.reset();
      for (int position = 0; position < geomancy::kFigureCount; ++position) {
        ASSERT_EQ(geomancy::figureOf(masks[position]), chart.produceFigure(position))
            << "seed " << seed << ", reading " << reading << ", position " << position;
      }
    }
  }
}
