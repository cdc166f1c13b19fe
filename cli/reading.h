#pragma once

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

// Both append to `out`, ending with a newline. JSON is one object on one line; plain text draws
// the figures with ASCII points and ends with the Judge's texts.
void appendJson(std::string& out, const Reading& reading);
void appendPlain(std::string& out, const Reading& reading);

// `text` as a JSON string literal, quotes included. UTF-8 passes through unchanged.
void appendJsonString(std::string& out, std::string_view text);

}  // namespace qxcast
