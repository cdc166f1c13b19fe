// SPDX-License-Identifier: MIT
#pragma once

#include <charconv>
#include <optional>
#include <string_view>

namespace formats {

// A whole number written in decimal digits only (no sign, no blanks, no exponent) within
// [lowest, highest]; nothing for any other text.
template <typename Number>
[[nodiscard]] std::optional<Number> parseWholeNumber(std::string_view text, Number lowest,
                                                     Number highest) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  Number value{};
  const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (fault != std::errc{} || end != text.data() + text.size() || value < lowest ||
      value > highest) {
    return std::nullopt;
  }
  return value;
}

}  // namespace formats
