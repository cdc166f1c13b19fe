// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

#include "figure.h"
#include "figure_mask.h"
#include "mersenne_twister.h"
#include "random_source.h"
#include "shield_rules.h"

namespace geomancy {

// Casts whole readings in mask form, for the command-line caster. It takes the draws that a
// ShieldChart on a PseudoRandomSource with the same seed takes, sixteen a reading, Mother 1's
// top row first, so both give the same readings; it only skips the row store, the virtual draw
// and the checks that the casting window needs between its presses.
class ReadingCaster {
 public:
  explicit ReadingCaster(std::uint64_t seed) : generator_(seed) {}

  [[nodiscard]] ShieldMasks next() noexcept {
    std::array<FigureMask, kMotherCount> mothers{};
    for (FigureMask& mother : mothers) {
      unsigned mask = 0;
      for (int row = 0; row < kRowsPerFigure; ++row) {
        if (castRow(drawFromBits(generator_() >> 8)) == kOnePoint) mask |= 1u << row;
      }
      mother = static_cast<FigureMask>(mask);
    }
    return shieldMasks(mothers);
  }

 private:
  MersenneTwister generator_;
};

// Four Mothers cast with sixteen draws from the source, Mother 1's top row first, as the casting
// window casts them.
[[nodiscard]] inline std::array<FigureMask, kMotherCount> castMothers(RandomSource& source) {
  std::array<FigureMask, kMotherCount> mothers{};
  for (FigureMask& mother : mothers) {
    unsigned mask = 0;
    for (int row = 0; row < kRowsPerFigure; ++row) {
      if (castRow(source.draw()) == kOnePoint) mask |= 1u << row;
    }
    mother = static_cast<FigureMask>(mask);
  }
  return mothers;
}

}  // namespace geomancy
