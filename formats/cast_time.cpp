// SPDX-License-Identifier: MIT
#include "cast_time.h"

#include <array>
#include <cstdio>

#include "whole_number.h"

namespace formats {
namespace {

constexpr std::string_view kIsoShape = "dddd-dd-ddTdd:dd:ddZ";

std::string printed(const char* format, const CastTime& time) {
  std::array<char, 64> text{};
  std::snprintf(text.data(), text.size(), format, static_cast<int>(time.year), unsigned{time.month},
                unsigned{time.day}, unsigned{time.hour}, unsigned{time.minute},
                unsigned{time.second});
  return text.data();
}

}  // namespace

CastTime CastTime::at(std::chrono::system_clock::time_point when) {
  using namespace std::chrono;
  const auto second = floor<seconds>(when);
  const auto day = floor<days>(second);
  const year_month_day date{day};
  const hh_mm_ss time{second - day};
  return {static_cast<std::int16_t>(static_cast<int>(date.year())),
          static_cast<std::uint8_t>(static_cast<unsigned>(date.month())),
          static_cast<std::uint8_t>(static_cast<unsigned>(date.day())),
          static_cast<std::uint8_t>(time.hours().count()),
          static_cast<std::uint8_t>(time.minutes().count()),
          static_cast<std::uint8_t>(time.seconds().count())};
}

std::optional<CastTime> CastTime::fromIso(std::string_view text) {
  if (text.size() != kIsoShape.size()) return std::nullopt;
  for (std::size_t at = 0; at < kIsoShape.size(); ++at) {
    if (kIsoShape[at] != 'd' && text[at] != kIsoShape[at]) return std::nullopt;
  }
  const auto field = [text](std::size_t at, std::size_t size, int highest) {
    return parseWholeNumber<int>(text.substr(at, size), 0, highest);
  };
  const auto year = field(0, 4, 9999);
  const auto month = field(5, 2, 12);
  const auto day = field(8, 2, 31);
  const auto hour = field(11, 2, 23);
  const auto minute = field(14, 2, 59);
  const auto second = field(17, 2, 60);
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year(*year),
                                         std::chrono::month(static_cast<unsigned>(*month)),
                                         std::chrono::day(static_cast<unsigned>(*day))};
  if (!date.ok()) return std::nullopt;
  return CastTime{static_cast<std::int16_t>(*year),   static_cast<std::uint8_t>(*month),
                  static_cast<std::uint8_t>(*day),    static_cast<std::uint8_t>(*hour),
                  static_cast<std::uint8_t>(*minute), static_cast<std::uint8_t>(*second)};
}

std::string CastTime::iso() const {
  return printed("%04d-%02u-%02uT%02u:%02u:%02uZ", *this);
}

std::string CastTime::dateAndTime() const {
  return printed("%04d-%02u-%02u %02u:%02u:%02u", *this);
}

std::string CastTime::castOn() const {
  return printed("Cast on %04d-%02u-%02u at %02u:%02u:%02u UTC", *this);
}

}  // namespace formats
