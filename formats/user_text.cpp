// SPDX-License-Identifier: MIT
#include "user_text.h"

#include "utf8.h"

namespace formats {
namespace {

// Characters of an argument shown in a message; the rest is left out, with a marker.
constexpr std::size_t kQuotedCharacters = 64;

// Characters that would change a terminal's line or the order in which it shows the text.
bool isControl(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
         (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

void appendHex(std::string& out, std::string_view prefix, unsigned value, int digits) {
  static constexpr std::string_view kHex = "0123456789abcdef";
  out += prefix;
  for (int digit = digits - 1; digit >= 0; --digit) out += kHex[(value >> (4 * digit)) & 0xF];
}

void appendQuotedCharacter(std::string& out, std::string_view bytes, char32_t c) {
  switch (c) {
    case '"':
      out += "\\\"";
      return;
    case '\\':
      out += "\\\\";
      return;
    case '\n':
      out += "\\n";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\t':
      out += "\\t";
      return;
    default:
      break;
  }
  if (!isControl(c)) {
    out += bytes;
  } else if (c < 0x80) {
    appendHex(out, "\\x", c, 2);
  } else {
    appendHex(out, "\\u", c, 4);
  }
}

// Control characters break the line a question stands on, so only the tab may stand in one; the
// line and paragraph separators count as controls here.
bool isQuestionControl(char32_t c) {
  return (c < 0x20 && c != '\t') || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

}  // namespace

std::string questionFault(std::string_view question) {
  std::size_t characters = 0;
  for (std::size_t at = 0; at < question.size(); ++characters) {
    const Utf8Sequence sequence = leadingSequence(question.substr(at));
    if (sequence.length == 0) return "is not UTF-8: " + quotedForMessage(question);
    if (isQuestionControl(sequence.codePoint)) {
      std::string shown;
      appendHex(shown, sequence.codePoint < 0x80 ? "\\x" : "\\u", sequence.codePoint,
                sequence.codePoint < 0x80 ? 2 : 4);
      return "may hold tabs but no other control characters, such as " + shown;
    }
    at += sequence.length;
  }
  if (characters == 0) return "needs a text";
  if (characters > kMaxQuestionLength) {
    return "takes 1 to " + std::to_string(kMaxQuestionLength) + " characters, not " +
           std::to_string(characters);
  }
  return {};
}

std::string quotedForMessage(std::string_view text) {
  std::string result(1, '"');
  std::size_t at = 0;
  for (std::size_t shown = 0; at < text.size() && shown < kQuotedCharacters; ++shown) {
    const Utf8Sequence sequence = leadingSequence(text.substr(at));
    if (sequence.length == 0) {
      appendHex(result, "\\x", static_cast<unsigned char>(text[at]), 2);
      ++at;
    } else {
      appendQuotedCharacter(result, text.substr(at, sequence.length), sequence.codePoint);
      at += sequence.length;
    }
  }
  result += '"';
  if (at < text.size()) {
    result += "... (";
    result += std::to_string(text.size());
    result += " bytes)";
  }
  return result;
}

}  // namespace formats
