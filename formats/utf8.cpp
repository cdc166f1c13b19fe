// SPDX-License-Identifier: MIT
#include "utf8.h"

namespace formats {

Utf8Sequence leadingSequence(std::string_view text) noexcept {
  const auto byte = [text](std::size_t at) { return static_cast<unsigned char>(text[at]); };
  const unsigned lead = byte(0);
  if (lead < 0x80) return {1, lead};
  // The ranges of well-formed sequences: no overlong forms, no surrogates, nothing past U+10FFFF.
  std::size_t length = 0;
  unsigned secondLow = 0x80;
  unsigned secondHigh = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) secondLow = 0xA0;
    if (lead == 0xED) secondHigh = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) secondLow = 0x90;
    if (lead == 0xF4) secondHigh = 0x8F;
  } else {
    return {};
  }
  if (text.size() < length) return {};
  char32_t codePoint = lead & (0x7Fu >> length);
  for (std::size_t at = 1; at < length; ++at) {
    const unsigned next = byte(at);
    if (next < (at == 1 ? secondLow : 0x80) || next > (at == 1 ? secondHigh : 0xBF)) return {};
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  return {length, codePoint};
}

}  // namespace formats
