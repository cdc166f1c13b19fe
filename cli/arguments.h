// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "chart_analysis.h"
#include "figure.h"

// The caster's command line: which command the arguments ask for, with the options it takes.
namespace qxcast {

using Mothers = std::array<geomancy::Figure, geomancy::kMotherCount>;

// Enough for any statistics a reader may want; beyond it a typing slip is the likelier cause.
inline constexpr std::uint32_t kMaxReadings = std::numeric_limits<std::uint32_t>::max();

// Readings cast and written, as text or as JSON lines.
struct CastCommand {
  bool json = false;
  std::uint32_t readings = 1;
  std::optional<std::uint64_t> seed;
  // Given Mothers replace the casting; every reading then shows the same chart.
  std::optional<Mothers> mothers;
  geomancy::AnalysisRequest request;
  std::string question;  // empty when none is asked
  // A picture of the one reading, written to this file.
  std::optional<std::string> svg;
  // Every reading cast is added to this file.
  std::optional<std::string> journal;
};

// Exact counts over every possible chart instead of readings.
struct OddsCommand {
  bool json = false;
  std::optional<geomancy::QuestionHouses> question;
  geomancy::HouseOrder order = geomancy::HouseOrder::Traditional;
};

// The journal's readings, one a line.
struct ListCommand {
  std::string journal;
};

// One reading of the journal drawn again, as it was cast.
struct ShowCommand {
  std::string journal;
  std::uint32_t number = 1;  // 1 the oldest
  bool json = false;
  std::optional<std::string> svg;
};

struct HelpCommand {};
struct VersionCommand {};

using Command = std::variant<CastCommand, OddsCommand, ListCommand, ShowCommand, HelpCommand,
                             VersionCommand>;

// Either the command or one line that says what is wrong with the arguments.
struct ParsedArguments {
  Command command;
  std::string error;

  [[nodiscard]] bool ok() const noexcept { return error.empty(); }
};

// Reads the arguments after the program name, left to right; the first fault ends the reading,
// and so do --help and --version.
[[nodiscard]] ParsedArguments parseArguments(std::span<const std::string_view> arguments);

[[nodiscard]] std::string_view usageText() noexcept;

// "qxgeomancy-cast" and the project's version, as --version prints them.
[[nodiscard]] std::string_view versionText() noexcept;

}  // namespace qxcast
