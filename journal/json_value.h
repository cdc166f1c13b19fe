// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace journal {

// A JSON value as read back from a journal line. Small on purpose: what the journal holds is
// known, and every line may have been edited by hand, cut short or filled with noise.
struct JsonValue {
  enum class Kind { Null, False, True, Number, String, Array, Object };

  Kind kind = Kind::Null;
  std::string text;  // a string's content in UTF-8, or a number as written
  std::vector<JsonValue> items;
  std::vector<std::pair<std::string, JsonValue>> members;  // in the order written

  // The first member of that name, or nothing.
  [[nodiscard]] const JsonValue* member(std::string_view name) const;
};

// Either the value or why the text is not one.
struct JsonParse {
  JsonValue value;
  std::string fault;

  [[nodiscard]] bool ok() const noexcept { return fault.empty(); }
};

// The text as one JSON value (RFC 8259), blanks allowed around it. Nesting deeper than a journal
// line's is refused rather than followed, so that no text can exhaust the stack.
[[nodiscard]] JsonParse parseJson(std::string_view text);

}  // namespace journal
