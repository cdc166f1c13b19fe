// SPDX-License-Identifier: MIT
#include "json_value.h"

#include <algorithm>
#include <cstdint>

namespace journal {
namespace {

// A journal line nests five deep (the Way of the Point's branches); the rest is room for edits.
constexpr int kMostDepth = 32;

class JsonParser {
 public:
  explicit JsonParser(std::string_view text) : text_(text) {}

  JsonParse parse() {
    JsonParse result;
    skipBlanks();
    if (value(result.value, 0)) {
      skipBlanks();
      if (at_ != text_.size()) fail("text after the value");
    }
    result.fault = std::move(fault_);
    if (!result.fault.empty()) result.value = {};
    return result;
  }

 private:
  // A line cut short is the likeliest damage: whatever was expected, the end says so.
  bool fail(std::string_view what) {
    if (fault_.empty()) {
      fault_ =
          std::string(atEnd() ? "unexpected end" : what) + " at byte " + std::to_string(at_ + 1);
    }
    return false;
  }

  [[nodiscard]] bool atEnd() const { return at_ >= text_.size(); }
  [[nodiscard]] char peek() const { return atEnd() ? '\0' : text_[at_]; }

  void skipBlanks() {
    while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')) {
      ++at_;
    }
  }

  bool take(char c) {
    skipBlanks();
    if (peek() != c) return false;
    ++at_;
    return true;
  }

  bool value(JsonValue& out, int depth) {
    skipBlanks();
    switch (peek()) {
      case '{':
        return object(out, depth + 1);
      case '[':
        return array(out, depth + 1);
      case '"':
        out.kind = JsonValue::Kind::String;
        return string(out.text);
      case 't':
        return literal("true", JsonValue::Kind::True, out);
      case 'f':
        return literal("false", JsonValue::Kind::False, out);
      case 'n':
        return literal("null", JsonValue::Kind::Null, out);
      default:
        return number(out);
    }
  }

  bool literal(std::string_view word, JsonValue::Kind kind, JsonValue& out) {
    if (text_.substr(at_, word.size()) != word) return fail("unknown word");
    at_ += word.size();
    out.kind = kind;
    return true;
  }

  bool object(JsonValue& out, int depth) {
    if (depth > kMostDepth) return fail("nesting too deep");
    out.kind = JsonValue::Kind::Object;
    ++at_;
    if (take('}')) return true;
    do {
      skipBlanks();
      std::string name;
      if (peek() != '"') return fail("expected a name");
      if (!string(name)) return false;
      if (!take(':')) return fail("expected ':'");
      out.members.emplace_back(std::move(name), JsonValue{});
      if (!value(out.members.back().second, depth)) return false;
    } while (take(','));
    return take('}') || fail("expected ',' or '}'");
  }

  bool array(JsonValue& out, int depth) {
    if (depth > kMostDepth) return fail("nesting too deep");
    out.kind = JsonValue::Kind::Array;
    ++at_;
    if (take(']')) return true;
    do {
      out.items.emplace_back();
      if (!value(out.items.back(), depth)) return false;
    } while (take(','));
    return take(']') || fail("expected ',' or ']'");
  }

  bool digits() {
    const std::size_t start = at_;
    while (!atEnd() && peek() >= '0' && peek() <= '9') ++at_;
    return at_ > start;
  }

  bool number(JsonValue& out) {
    const std::size_t start = at_;
    if (peek() == '-') ++at_;
    if (peek() == '0') {
      ++at_;
    } else if (!digits()) {
      return fail("unexpected character");
    }
    if (peek() == '.' && (++at_, !digits())) return fail("bad number");
    if (peek() == 'e' || peek() == 'E') {
      ++at_;
      if (peek() == '+' || peek() == '-') ++at_;
      if (!digits()) return fail("bad number");
    }
    out.kind = JsonValue::Kind::Number;
    out.text = text_.substr(start, at_ - start);
    return true;
  }

  bool hexQuad(char32_t& value) {
    if (text_.size() - at_ < 4) return fail("bad \\u escape");
    value = 0;
    for (int digit = 0; digit < 4; ++digit) {
      const char c = text_[at_++];
      const auto nibble = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
      if (nibble < 0) return fail("bad \\u escape");
      value = (value << 4) | static_cast<char32_t>(nibble);
    }
    return true;
  }

  // After "\u": one code point, two escapes for one beyond the first plane.
  bool escapedCodePoint(std::string& out) {
    char32_t c = 0;
    if (!hexQuad(c)) return false;
    if (c >= 0xDC00 && c <= 0xDFFF) return fail("lone surrogate");
    if (c >= 0xD800 && c <= 0xDBFF) {
      char32_t low = 0;
      if (text_.substr(at_, 2) != "\\u" || (at_ += 2, !hexQuad(low)) || low < 0xDC00 ||
          low > 0xDFFF) {
        return fail("lone surrogate");
      }
      c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
    }
    appendUtf8(out, c);
    return true;
  }

  static void appendUtf8(std::string& out, char32_t c) {
    const auto byte = [&out](char32_t bits) { out += static_cast<char>(bits); };
    if (c < 0x80) {
      byte(c);
    } else if (c < 0x800) {
      byte(0xC0 | (c >> 6));
      byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      byte(0xE0 | (c >> 12));
      byte(0x80 | ((c >> 6) & 0x3F));
      byte(0x80 | (c & 0x3F));
    } else {
      byte(0xF0 | (c >> 18));
      byte(0x80 | ((c >> 12) & 0x3F));
      byte(0x80 | ((c >> 6) & 0x3F));
      byte(0x80 | (c & 0x3F));
    }
  }

  bool string(std::string& out) {
    static constexpr std::string_view kEscapes = "\"\\/bfnrt";
    static constexpr std::string_view kEscaped = "\"\\/\b\f\n\r\t";
    ++at_;
    while (true) {
      const std::size_t plainEnd = std::min(text_.find_first_of("\"\\", at_), text_.size());
      const auto control =
          std::find_if(text_.begin() + static_cast<std::ptrdiff_t>(at_),
                       text_.begin() + static_cast<std::ptrdiff_t>(plainEnd),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20; });
      if (control != text_.begin() + static_cast<std::ptrdiff_t>(plainEnd)) {
        at_ = static_cast<std::size_t>(control - text_.begin());
        return fail("control character in a string");
      }
      out.append(text_, at_, plainEnd - at_);
      at_ = plainEnd;
      if (atEnd()) return fail("unexpected end");
      if (text_[at_++] == '"') return true;
      if (atEnd()) return fail("unexpected end");
      const char escape = text_[at_++];
      if (escape == 'u') {
        if (!escapedCodePoint(out)) return false;
      } else if (const auto known = kEscapes.find(escape); known != std::string_view::npos) {
        out += kEscaped[known];
      } else {
        --at_;
        return fail("unknown escape");
      }
    }
  }

  std::string_view text_;
  std::size_t at_ = 0;
  std::string fault_;
};

}  // namespace

const JsonValue* JsonValue::member(std::string_view name) const {
  const auto found = std::find_if(members.begin(), members.end(),
                                  [name](const auto& member) { return member.first == name; });
  return found == members.end() ? nullptr : &found->second;
}

JsonParse parseJson(std::string_view text) {
  return JsonParser(text).parse();
}

}  // namespace journal
