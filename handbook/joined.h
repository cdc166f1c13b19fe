// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace handbook {

// The pieces one after another, as one string: how the sentences and the JSON pieces are built.
[[nodiscard]] inline std::string joined(std::initializer_list<std::string_view> parts) {
  std::string out;
  for (const std::string_view part : parts) out += part;
  return out;
}

}  // namespace handbook
