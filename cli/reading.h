#pragma once

#include <array>
#include <string>
#include <string_view>

#include "cast_options.h"
#include "figure.h"

namespace geomancy {
class ShieldChart;
}

namespace qxcast {

// One reading: the fifteen figures of the Shield chart in position order, and the Reconciler.
struct Reading {
  std::array<geomancy::Figure, geomancy::kFigureCount> chart{};
  // The Judge added to Mother 1; traditional readers consult it, the desktop program does not.
  geomancy::Figure reconciler{};

  [[nodiscard]] const geomancy::Figure& judge() const noexcept {
    return chart[geomancy::kJudgePosition];
  }
};

// Casts a new reading on `chart` the way the casting window does: reset, then every position in
// order.
[[nodiscard]] Reading castReading(geomancy::ShieldChart& chart);

[[nodiscard]] Reading readingFromMothers(const Mothers& mothers);

// Both append to `out`, ending with a newline. JSON is one object on one line; plain text draws
// the figures with ASCII points and ends with the Judge's texts.
void appendJson(std::string& out, const Reading& reading);
void appendPlain(std::string& out, const Reading& reading);

// `text` as a JSON string literal, quotes included. UTF-8 passes through unchanged.
void appendJsonString(std::string& out, std::string_view text);

}  // namespace qxcast
