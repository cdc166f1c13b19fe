// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace formats {

// When a reading was cast: a moment in UTC, to the second. A leap second (23:59:60) read from a
// journal stays as it was written.
struct CastTime {
  std::int16_t year = 1970;
  std::uint8_t month = 1;
  std::uint8_t day = 1;
  std::uint8_t hour = 0;
  std::uint8_t minute = 0;
  std::uint8_t second = 0;

  [[nodiscard]] static CastTime at(std::chrono::system_clock::time_point when);
  // "2026-12-08T05:30:12Z", or nothing for any other text or a date that does not exist.
  [[nodiscard]] static std::optional<CastTime> fromIso(std::string_view text);

  // "2026-12-08T05:30:12Z": how a journal line holds it.
  [[nodiscard]] std::string iso() const;
  // "2026-12-08 05:30:12": how a list of readings shows it.
  [[nodiscard]] std::string dateAndTime() const;
  // "Cast on 2026-12-08 at 05:30:12 UTC": how a picture of the chart says it.
  [[nodiscard]] std::string castOn() const;

  friend bool operator==(const CastTime&, const CastTime&) = default;
};

}  // namespace formats
