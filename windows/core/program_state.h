// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "figure_identifier.h"
#include "random_source.h"
#include "shield_chart.h"

namespace geomancy {

// What lives from the start of the program to its end: the reading under way, the step counter
// of the casting window, the last figure identified and the one random source that everything
// draws from. The shell owns it and hands it down by reference.
struct ProgramState {
  explicit ProgramState(RandomSource& source) : random(source), chart(source) {}

  RandomSource& random;
  ShieldChart chart;
  std::int16_t stepCounter = 0;
  Identifier identifier;
};

}  // namespace geomancy
