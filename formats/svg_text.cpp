// SPDX-License-Identifier: MIT
#include "svg_text.h"

#include <algorithm>
#include <array>

#include "utf8.h"

namespace formats {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct CodePoint {
  char32_t value;
  std::size_t length;  // in bytes
};

// The code point that starts at byte `at`; a malformed, overlong or cut-short sequence is one byte
// of U+FFFD.
CodePoint decodeAt(std::string_view text, std::size_t at) noexcept {
  const Utf8Sequence sequence = leadingSequence(text.substr(at));
  if (sequence.length == 0) return {kReplacement, 1};
  return {sequence.codePoint, sequence.length};
}

// Advances in ems, each the widest of its class in DejaVu Sans and in DejaVu Sans Bold, rounded up.
struct GlyphClass {
  std::string_view members;
  double regular;
  double bold;
};
constexpr std::array<GlyphClass, 4> kGlyphClasses{{
    {" !'(),-./:;I[\\]fijlrt|", 0.42, 0.50},
    {"%@MWmw", 1.00, 1.11},
    {"abcdeghknopqsuvxyz", 0.64, 0.72},
    {"", 0.84, 0.88},  // capitals, digits and the other signs
}};
// Every other script, symbol and emoji: emoji and CJK come from fallback faces up to 1.25 em wide.
constexpr double kBeyondAscii = 1.30;

double advanceOf(char32_t c, bool bold) noexcept {
  if (c >= 0x80) return kBeyondAscii;
  const auto glyphs =
      std::find_if(kGlyphClasses.begin(), kGlyphClasses.end() - 1, [c](const GlyphClass& each) {
        return each.members.find(static_cast<char>(c)) != std::string_view::npos;
      });
  return bold ? glyphs->bold : glyphs->regular;
}

// The longest start of `word`, one code point at least, drawn no wider than `width`.
std::size_t fittingPrefix(std::string_view word, double width, double size, bool bold) {
  std::size_t end = decodeAt(word, 0).length;
  while (end < word.size()) {
    const std::size_t next = end + decodeAt(word, end).length;
    if (textWidth(word.substr(0, next), size, bold) > width) break;
    end = next;
  }
  return end;
}

std::vector<std::string> wrapped(std::string_view text, double width, double size, bool bold) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t at = 0; at <= text.size();) {
    const std::size_t space = std::min(text.find(' ', at), text.size());
    std::string_view word = text.substr(at, space - at);
    at = space + 1;
    const std::string joined = line.empty() ? std::string(word) : line + ' ' + std::string(word);
    if (textWidth(joined, size, bold) <= width) {
      line = joined;
      continue;
    }
    if (!line.empty()) lines.push_back(std::move(line));
    while (textWidth(word, size, bold) > width) {
      const std::size_t cut = fittingPrefix(word, width, size, bold);
      lines.emplace_back(word.substr(0, cut));
      word.remove_prefix(cut);
    }
    line = word;
  }
  if (!line.empty() || lines.empty()) lines.push_back(std::move(line));
  return lines;
}

}  // namespace

double textWidth(std::string_view text, double size, bool bold) noexcept {
  double ems = 0;
  for (std::size_t at = 0; at < text.size();) {
    const CodePoint c = decodeAt(text, at);
    ems += advanceOf(c.value, bold);
    at += c.length;
  }
  return ems * size;
}

FittedText fitText(std::string_view text, double width, int size, int minSize, std::size_t maxLines,
                   bool bold) {
  FittedText fitted;
  for (fitted.size = size;; --fitted.size) {
    fitted.lines = wrapped(text, width, fitted.size, bold);
    if (fitted.lines.size() <= maxLines || fitted.size <= minSize) return fitted;
  }
}

void appendXmlText(std::string& out, std::string_view text) {
  static constexpr std::string_view kSpecial = "&<>\"'";
  static constexpr std::array<std::string_view, 5> kReferences{"&amp;", "&lt;", "&gt;", "&quot;",
                                                               "&apos;"};
  static constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";
  for (std::size_t at = 0; at < text.size();) {
    const CodePoint c = decodeAt(text, at);
    const std::string_view bytes = text.substr(at, c.length);
    at += c.length;
    if (const std::size_t special =
            c.value < 0x80 ? kSpecial.find(static_cast<char>(c.value)) : std::string_view::npos;
        special != std::string_view::npos) {
      out += kReferences[special];
    } else if (c.value == '\t' || c.value == '\n' || c.value == '\r') {
      out += ' ';
    } else if (c.value < 0x20 || c.value == 0xFFFE || c.value == 0xFFFF ||
               c.value == kReplacement) {
      out += kReplacementUtf8;  // a malformed byte too
    } else {
      out += bytes;
    }
  }
}

}  // namespace formats
