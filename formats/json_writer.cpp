// SPDX-License-Identifier: MIT
#include "json_writer.h"

#include <array>
#include <charconv>

namespace formats {

void JsonWriter::separate() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  const std::uint64_t bit = std::uint64_t{1} << depth_;
  if (hasMembers_ & bit) out_ += ',';
  hasMembers_ |= bit;
}

JsonWriter& JsonWriter::open(char bracket) {
  separate();
  out_ += bracket;
  ++depth_;
  hasMembers_ &= ~(std::uint64_t{1} << depth_);
  return *this;
}

JsonWriter& JsonWriter::close(char bracket) {
  --depth_;
  out_ += bracket;
  return *this;
}

JsonWriter& JsonWriter::inside() {
  ++depth_;
  hasMembers_ |= std::uint64_t{1} << depth_;
  return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
  separate();
  appendJsonString(out_, name);
  out_ += ':';
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
  separate();
  appendJsonString(out_, text);
  return *this;
}

JsonWriter& JsonWriter::value(std::int64_t number) {
  separate();
  std::array<char, 24> digits{};
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
  out_.append(digits.data(), end);
  return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
  separate();
  out_ += flag ? std::string_view("true") : std::string_view("false");
  return *this;
}

JsonWriter& JsonWriter::null() {
  separate();
  out_ += std::string_view("null");
  return *this;
}

}  // namespace formats
