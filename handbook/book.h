// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

#include "figure_mask.h"

// The Golden Dawn's handbook of geomancy, "Liber Gaias, A Handbook of Geomancy", printed in The
// Equinox, vol. I no. 2 (London, 1909), pp. 137-161, and in the public domain: its tables carried
// in as data, each with the chapter and page it stands on, and its method of judging a chart.
// What the program says of them is its own wording; what the book prints is kept as printed.
namespace handbook {

inline constexpr std::string_view kBookCitation = "Liber Gaias (The Equinox I:2, 1909)";
// The pages the book stands on.
inline constexpr int kFirstPage = 137;
inline constexpr int kLastPage = 161;

// Where in the book a table or a rule stands.
struct Source {
  std::uint8_t chapter = 0;  // 1 to 7
  std::uint16_t page = 0;    // as printed, 137 to 161
};

// A figure as the book draws it, four rows top first: "1" a row of one point, "2" of two.
[[nodiscard]] constexpr geomancy::FigureMask drawn(std::string_view rows) noexcept {
  unsigned mask = 0;
  for (std::size_t row = 0; row < 4; ++row) mask |= (rows[row] == '1' ? 1u : 0u) << row;
  return static_cast<geomancy::FigureMask>(mask);
}

// "I" to "VII".
[[nodiscard]] std::string_view chapterNumeral(int chapter) noexcept;

// The book's scale of good and evil, from its tables of the figures in the houses; "destroy" is
// its word for a figure that makes the chart unfit to be judged.
enum class Verdict : std::uint8_t { VeryGood, Good, Moderate, Evil, VeryEvil, Destroy };
inline constexpr int kVerdictCount = 6;

// "very good", "good", "moderate", "evil", "very evil", "destroy".
[[nodiscard]] std::string_view verdictName(Verdict verdict) noexcept;

// Which way a testimony leans: for the querent's wish, against it, or neither.
enum class Leaning : std::uint8_t { For, Against, Neither };

// "for", "against", "neither".
[[nodiscard]] std::string_view leaningName(Leaning leaning) noexcept;

[[nodiscard]] constexpr Leaning leaningOf(Verdict verdict) noexcept {
  switch (verdict) {
    case Verdict::VeryGood:
    case Verdict::Good:
      return Leaning::For;
    case Verdict::Moderate:
      return Leaning::Neither;
    default:
      return Leaning::Against;
  }
}

}  // namespace handbook
