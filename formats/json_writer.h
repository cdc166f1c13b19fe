// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

#include "text_buffer.h"

namespace formats {

// `text` as a JSON string literal, quotes included. UTF-8 passes through unchanged. `Text` is a
// std::string or a TextBuffer.
template <typename Text>
void appendJsonString(Text& out, std::string_view text) {
  static constexpr std::string_view kHex = "0123456789abcdef";
  out += '"';
  // Texts go out in runs between the characters to escape, not byte by byte.
  const char* plainFrom = text.data();
  const char* const end = text.data() + text.size();
  for (const char* at = plainFrom; at != end; ++at) {
    const auto byte = static_cast<unsigned char>(*at);
    if (byte != '"' && byte != '\\' && byte >= 0x20) continue;
    out.append(plainFrom, at);
    plainFrom = at + 1;
    switch (byte) {
      case '"': out += std::string_view("\\\""); break;
      case '\\': out += std::string_view("\\\\"); break;
      case '\b': out += std::string_view("\\b"); break;
      case '\f': out += std::string_view("\\f"); break;
      case '\n': out += std::string_view("\\n"); break;
      case '\r': out += std::string_view("\\r"); break;
      case '\t': out += std::string_view("\\t"); break;
      default:
        out += std::string_view("\\u00");
        out += kHex[byte >> 4];
        out += kHex[byte & 0xF];
    }
  }
  out.append(plainFrom, end);
  out += '"';
}

// JSON written value by value on one line, commas and all:
//   json.beginObject().key("houses").value(true).key("quesited").null().endObject();
// Nesting goes 64 levels deep.
class JsonWriter {
 public:
  explicit JsonWriter(TextBuffer& out) : out_(out) {}

  JsonWriter& beginObject() { return open('{'); }
  JsonWriter& endObject() { return close('}'); }
  JsonWriter& beginArray() { return open('['); }
  JsonWriter& endArray() { return close(']'); }
  // Goes on inside an object or array that was begun, with members, by other means.
  JsonWriter& inside();

  JsonWriter& key(std::string_view name);
  JsonWriter& value(std::string_view text);
  JsonWriter& value(const char* text) { return value(std::string_view(text)); }
  JsonWriter& value(std::int64_t number);
  JsonWriter& value(int number) { return value(static_cast<std::int64_t>(number)); }
  JsonWriter& value(std::uint32_t number) { return value(static_cast<std::int64_t>(number)); }
  JsonWriter& value(bool flag);
  JsonWriter& null();

 private:
  JsonWriter& open(char bracket);
  JsonWriter& close(char bracket);
  // The comma before a member or item, when one stands before it at this depth.
  void separate();

  TextBuffer& out_;
  std::uint64_t hasMembers_ = 0;  // a bit for each depth
  int depth_ = 0;
  bool afterKey_ = false;
};

}  // namespace formats
