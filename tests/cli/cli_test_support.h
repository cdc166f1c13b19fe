// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "caster.h"

// One run of the caster in this process.
struct CastRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline CastRun runCast(const std::vector<std::string_view>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  CastRun run;
  run.status = qxcast::runCaster(arguments, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

inline std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// A small, strict reader of compact JSON as the caster writes it (objects, arrays, strings,
// true and false, and whole numbers, no blanks between tokens), so that the tests check the output
// against an independent reading of the format rather than against its own writer.
struct JsonValue {
  double number = 0;
  std::string string;
  std::vector<JsonValue> array;
  std::vector<std::pair<std::string, JsonValue>> object;  // in the order written

  const JsonValue& operator[](std::string_view key) const {
    for (const auto& [name, value] : object) {
      if (name == key) return value;
    }
    throw std::runtime_error("no member " + std::string(key));
  }
};

class JsonReader {
 public:
  static JsonValue parse(std::string_view text) {
    JsonReader reader(text);
    JsonValue value = reader.value();
    if (reader.at_ != text.size()) reader.fail("text after the value");
    return value;
  }

 private:
  explicit JsonReader(std::string_view text) : text_(text) {}

  [[noreturn]] void fail(const std::string& what) const {
    throw std::runtime_error("JSON: " + what + " at " + std::to_string(at_));
  }
  char peek() const {
    if (at_ >= text_.size()) fail("unexpected end");
    return text_[at_];
  }
  void expect(char c) {
    if (peek() != c) fail(std::string("expected ") + c);
    ++at_;
  }

  JsonValue value() {
    JsonValue v;
    if (text_.substr(at_).starts_with("[]") || text_.substr(at_).starts_with("{}")) {
      at_ += 2;
    } else if (peek() == '{') {
      do {
        ++at_;
        std::string name = string();
        expect(':');
        v.object.emplace_back(std::move(name), value());
      } while (peek() == ',');
      expect('}');
    } else if (peek() == '[') {
      do {
        ++at_;
        v.array.push_back(value());
      } while (peek() == ',');
      expect(']');
    } else if (peek() == '"') {
      v.string = string();
    } else if (peek() == 't' || peek() == 'f' || peek() == 'n') {
      // A literal, told from a string by its use.
      v.string = peek() == 't' ? "true" : (peek() == 'f' ? "false" : "null");
      if (text_.substr(at_, v.string.size()) != v.string) fail("bad literal");
      at_ += v.string.size();
    } else {
      v.number = number();
    }
    return v;
  }

  double number() {
    const std::size_t start = at_;
    while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_]))) ++at_;
    if (at_ == start || (text_[start] == '0' && at_ - start > 1)) fail("bad number");
    return std::stod(std::string(text_.substr(start, at_ - start)));
  }

  std::string string() {
    static constexpr std::string_view kEscapes = "\"\\/bfnrt";
    static constexpr std::string_view kEscaped = "\"\\/\b\f\n\r\t";
    expect('"');
    std::string s;
    while (true) {
      const std::size_t plainEnd = std::min(text_.find_first_of("\"\\", at_), text_.size());
      for (; at_ < plainEnd; ++at_) {
        if (static_cast<unsigned char>(text_[at_]) < 0x20) fail("raw control character");
        s += text_[at_];
      }
      if (peek() == '"') return ++at_, s;
      ++at_;
      if (const auto escape = kEscapes.find(peek()); escape != std::string_view::npos) {
        s += kEscaped[escape];
        ++at_;
      } else {
        s += codePoint();
      }
    }
  }

  // The caster escapes only control characters, so code points below 0x80 suffice here.
  char codePoint() {
    expect('u');
    const std::string hex(text_.substr(at_, 4));
    std::size_t used = 0;
    const int value = hex.size() == 4 && std::isxdigit(static_cast<unsigned char>(hex[0]))
                          ? std::stoi(hex, &used, 16)
                          : -1;
    if (used != 4 || value >= 0x80) fail("unexpected \\u escape");
    at_ += 4;
    return static_cast<char>(value);
  }

  std::string_view text_;
  std::size_t at_ = 0;
};
