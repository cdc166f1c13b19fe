// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cast_options.h"
#include "figure_mask.h"
#include "shield_rules.h"

namespace qxcast {

// One reading: the fifteen figures of the Shield chart in position order, and the Reconciler.
struct Reading {
  geomancy::ShieldMasks chart{};
  // The Judge added to Mother 1; traditional readers consult it, the desktop program does not.
  geomancy::FigureMask reconciler{};

  [[nodiscard]] geomancy::FigureMask judge() const noexcept {
    return chart[geomancy::kJudgePosition];
  }
};

// A whole chart with its Reconciler.
[[nodiscard]] constexpr Reading readingFromChart(const geomancy::ShieldMasks& chart) noexcept {
  return {chart, geomancy::addMasks(chart[geomancy::kJudgePosition], chart[0])};
}

[[nodiscard]] Reading readingFromMothers(const Mothers& mothers) noexcept;

// What is read from each chart besides its figures and its Judge.
struct Analyses {
  bool houses = false;  // the houses, the Index and the Way of the Point
  int querent = 1;
  std::optional<int> quesited;  // the modes of perfection between the two houses
};

// Both append to `out`, ending with a newline. JSON is one object on one line, with the analyses'
// keys after the Judge's texts; plain text draws the chart with ASCII points, then the Judge's
// texts, then the analyses.
void appendJson(std::string& out, const Reading& reading, const Analyses& analyses = {});
void appendPlain(std::string& out, const Reading& reading, const Analyses& analyses = {});

// `text` as a JSON string literal, quotes included. UTF-8 passes through unchanged.
void appendJsonString(std::string& out, std::string_view text);

}  // namespace qxcast
