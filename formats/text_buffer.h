// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>
#include <utility>

namespace formats {

// Text gathered for output: it grows as needed, and can be written into in place without being
// cleared first, which a std::string cannot (resizing one zero-fills what it adds).
class TextBuffer {
 public:
  TextBuffer() = default;
  explicit TextBuffer(std::size_t capacity) { reserve(capacity); }

  [[nodiscard]] std::string_view view() const noexcept { return {data_.get(), size_}; }
  [[nodiscard]] std::size_t size() const noexcept { return size_; }
  [[nodiscard]] bool empty() const noexcept { return size_ == 0; }
  void clear() noexcept { size_ = 0; }

  // Where `room` more bytes may be written; what is written counts once kept with keepUpTo().
  [[nodiscard]] char* room(std::size_t room) {
    if (capacity_ - size_ < room) reserve(size_ + room);
    return data_.get() + size_;
  }
  // Bytes written at room() up to `end` belong to the text.
  void keepUpTo(const char* end) noexcept { size_ = static_cast<std::size_t>(end - data_.get()); }
  // The end of what may be written after room().
  [[nodiscard]] const char* limit() const noexcept { return data_.get() + capacity_; }

  void append(const char* first, const char* last) {
    const auto count = static_cast<std::size_t>(last - first);
    if (count == 0) return;
    std::memcpy(room(count), first, count);
    size_ += count;
  }
  TextBuffer& operator+=(std::string_view text) {
    append(text.data(), text.data() + text.size());
    return *this;
  }
  TextBuffer& operator+=(char c) {
    *room(1) = c;
    ++size_;
    return *this;
  }

 private:
  void reserve(std::size_t capacity) {
    if (capacity <= capacity_) return;
    capacity = capacity_ * 2 > capacity ? capacity_ * 2 : capacity;
    auto grown = std::make_unique_for_overwrite<char[]>(capacity);
    if (size_ > 0) std::memcpy(grown.get(), data_.get(), size_);
    data_ = std::move(grown);
    capacity_ = capacity;
  }

  std::unique_ptr<char[]> data_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace formats
