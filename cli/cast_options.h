// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "figure.h"

namespace qxcast {

using Mothers = std::array<geomancy::Figure, geomancy::kMotherCount>;

// Enough for any statistics a reader may want; beyond it a typing slip is the likelier cause.
inline constexpr std::uint32_t kMaxReadings = std::numeric_limits<std::uint32_t>::max();

struct CastOptions {
  bool help = false;
  bool version = false;
  bool json = false;
  std::uint32_t readings = 1;
  std::optional<std::uint64_t> seed;
  // Given Mothers replace the casting; every reading then shows the same chart.
  std::optional<Mothers> mothers;
  // The house chart, the Index and the Way of the Point with each reading.
  bool houses = false;
  // The modes of perfection between the querent's house and the quesited's, with each reading.
  int querent = 1;
  std::optional<int> quesited;
  // Exact counts over every possible chart instead of readings.
  bool odds = false;
  // A picture of the one reading, written to this file.
  std::optional<std::string> svg;
  // What the reading asks, shown with it; 1 to kMaxQuestionLength characters.
  std::optional<std::string> question;
  // Every reading cast is added to this file; with list or show, the file is read instead.
  std::optional<std::string> journal;
  bool list = false;
  std::optional<std::uint32_t> show;  // the number of a reading in the journal, 1 the oldest
};

// In code points, as a reader counts characters.
inline constexpr std::size_t kMaxQuestionLength = 1000;

// Why a question cannot be taken (too long, not UTF-8, a control character other than a tab), or
// nothing when it can.
[[nodiscard]] std::string questionFault(std::string_view question);

// Either the options or one line that says what is wrong with the arguments.
struct ParsedArguments {
  CastOptions options;
  std::string error;

  [[nodiscard]] bool ok() const noexcept { return error.empty(); }
};

// Reads the arguments after the program name, left to right; the first fault ends the reading,
// and so do --help and --version.
[[nodiscard]] ParsedArguments parseArguments(std::span<const std::string_view> arguments);

// `text` in double quotes as an error message shows it: quotes, backslashes, control characters
// and bytes that are not UTF-8 escaped, and a long text cut, with a note of its whole length.
[[nodiscard]] std::string quoteArgument(std::string_view text);

[[nodiscard]] std::string_view usageText() noexcept;

// "qxgeomancy-cast" and the project's version, as --version prints them.
[[nodiscard]] std::string_view versionText() noexcept;

}  // namespace qxcast
