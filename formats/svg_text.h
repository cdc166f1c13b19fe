// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Text in the caster's pictures: how wide a line is drawn, lines fitted to a width, and any text
// made safe inside an XML document. No font is at hand when the picture is written, so widths are
// estimated from a table of glyph classes, on the side of too wide.
namespace formats {

// The width in pixels of `text` (UTF-8) drawn at `size` pixels in DejaVu Sans or DejaVu Sans Bold,
// the widest of the faces the pictures ask for; those that stand in for them (Verdana, Arial,
// Helvetica) take no more.
[[nodiscard]] double textWidth(std::string_view text, double size, bool bold) noexcept;

struct FittedText {
  std::vector<std::string> lines;
  int size = 0;
};

// `text` broken into at most `maxLines` lines no wider than `width`, at the largest size from
// `size` down to `minSize` that allows it. Lines break at spaces, and within a word wider than a
// line. Where nothing fits, the lines at `minSize`, more of them than asked.
[[nodiscard]] FittedText fitText(std::string_view text, double width, int size, int minSize,
                                 std::size_t maxLines, bool bold);

// Appends `text` as XML character data, fit for an attribute's value too: the five special
// characters as references; malformed UTF-8 and the characters XML cannot hold (control
// characters, U+FFFE, U+FFFF) as U+FFFD; a tab, line feed or carriage return as a space.
void appendXmlText(std::string& out, std::string_view text);

}  // namespace formats
