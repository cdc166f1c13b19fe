// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace formats {

// A well-formed UTF-8 sequence at the start of a text: its length, 0 if there is none there (an
// overlong form, a surrogate, a code point past U+10FFFF, a cut-short or stray byte).
struct Utf8Sequence {
  std::size_t length = 0;
  char32_t codePoint = 0;
};

[[nodiscard]] Utf8Sequence leadingSequence(std::string_view text) noexcept;

}  // namespace formats
