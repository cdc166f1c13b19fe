// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <stdexcept>
#include <utility>
#include <vector>

#include "figure.h"
#include "random_source.h"

// A random source for tests: hands out the scripted draws in order, counts them and records
// seeds. Running out of draws throws, so a test sees an unexpected draw at once.
class ScriptedRandomSource final : public geomancy::RandomSource {
 public:
  ScriptedRandomSource() = default;
  explicit ScriptedRandomSource(std::vector<float> draws) : draws_(std::move(draws)) {}

  void append(std::vector<float> draws) { draws_.insert(draws_.end(), draws.begin(), draws.end()); }

  // Four draws that cast the given rows: 0.25 for one point, 0.75 for two.
  void appendFigure(const geomancy::Figure& rows) {
    for (const auto row : rows) draws_.push_back(row == 1 ? 0.25f : 0.75f);
  }

  float draw() override {
    if (next_ >= draws_.size()) throw std::out_of_range("no scripted draw left");
    return draws_[next_++];
  }
  void seed(std::uint64_t seed) override { seeds_.push_back(seed); }

  [[nodiscard]] std::size_t drawsTaken() const { return next_; }
  [[nodiscard]] const std::vector<std::uint64_t>& seeds() const { return seeds_; }

 private:
  std::vector<float> draws_;
  std::size_t next_ = 0;
  std::vector<std::uint64_t> seeds_;
};
