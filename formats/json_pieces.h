// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

#include "text_buffer.h"

// The machinery behind the reading's JSON line, which is written millions of times a run: pieces
// worked out once and copied whole, in sizes the compiler knows.
namespace formats::json_pieces {

// A piece of a line, kept in N bytes and copied whole, so that the copy is a few moves the
// compiler knows the size of; only its first `size` bytes count.
template <std::size_t N>
struct Slot {
  std::array<char, N> text{};
  std::uint8_t size = 0;
};

template <std::size_t N>
constexpr Slot<N> slotOf(std::string_view text) {
  static_assert(N < 256);
  if (text.size() > N) throw std::logic_error("a JSON piece outgrew its slot");
  Slot<N> slot;
  text.copy(slot.text.data(), text.size());
  slot.size = static_cast<std::uint8_t>(text.size());
  return slot;
}

// `Count` pieces of any length, each copied as its first kHead bytes whole, like a slot, and the
// rest, if any, by length: most are shorter than that, and a copy by length costs a call and a
// guess at the size. The heads lie in a table of their own, aligned, and the rest one after the
// other in one text.
template <std::size_t Count>
class LongPieces {
 public:
  static constexpr std::size_t kHead = 96;

  void set(std::size_t piece, std::string_view text) {
    const std::size_t head = std::min(kHead, text.size());
    text.copy(heads_[piece].text.data(), head);
    sizes_[piece] = static_cast<std::uint32_t>(text.size());
    tailAt_[piece] = static_cast<std::uint32_t>(tails_.size());
    tails_ += text.substr(head);
  }

  [[nodiscard]] const char* head(std::size_t piece) const { return heads_[piece].text.data(); }
  [[nodiscard]] const char* tail(std::size_t piece) const { return tails_.data() + tailAt_[piece]; }
  [[nodiscard]] std::size_t size(std::size_t piece) const { return sizes_[piece]; }

 private:
  struct alignas(16) Head {
    std::array<char, kHead> text;
  };
  std::array<Head, Count> heads_{};
  std::array<std::uint32_t, Count> sizes_{};
  std::array<std::uint32_t, Count> tailAt_{};
  std::string tails_;
};

// Room to write in: where the writing stands and where the room ends.
struct Room {
  char* at;
  const char* limit;
};

// Keeps what was written up to `at` and makes room for `needed` bytes more.
Room moreRoom(TextBuffer& out, char* at, std::size_t needed);

// Writes pieces one after the other at the end of a text buffer, making room as it goes. Its place
// and the end of its room are plain values, never handed to a call, so that they stay in registers:
// in memory they would be stored and read back around every piece, as the pieces' bytes might
// overwrite them.
class Cursor {
 public:
  explicit Cursor(TextBuffer& out) : out_(out), at_(out.room(kRoomAhead)), limit_(out.limit()) {}

  template <std::size_t N>
  void put(const Slot<N>& slot) {
    make(N);
    std::memcpy(at_, slot.text.data(), N);
    at_ += slot.size;
  }
  // A literal, its size known when compiled.
  template <std::size_t N>
  void put(const char (&text)[N]) {
    make(N - 1);
    std::memcpy(at_, text, N - 1);
    at_ += N - 1;
  }
  // Returns where the text was put.
  char* put(std::string_view text) {
    make(text.size());
    char* const start = at_;
    std::memcpy(at_, text.data(), text.size());
    at_ += text.size();
    return start;
  }
  // Text that may be read up to `Slack` bytes past its end, copied in blocks of that size: no call
  // and no guess at the size, for the many short texts of a line.
  template <std::size_t Slack>
  void putPadded(std::string_view text) {
    // Held apart from `text`, which a store of the copy might otherwise be taken to change.
    const char* const from = text.data();
    const std::size_t size = text.size();
    make(size + 2 * Slack);
    if (size <= 2 * Slack) {
      std::memcpy(at_, from, Slack);
      std::memcpy(at_ + Slack, from + Slack, Slack);
    } else {
      // A longer text goes faster through the library's copy, which uses the widest moves the
      // processor has.
      std::memcpy(at_, from, size);
    }
    at_ += size;
  }
  template <std::size_t Count>
  void put(const LongPieces<Count>& pieces, std::size_t piece) {
    constexpr std::size_t kHead = LongPieces<Count>::kHead;
    const std::size_t size = pieces.size(piece);
    make(std::max(size, kHead));
    std::memcpy(at_, pieces.head(piece), kHead);
    if (size > kHead) std::memcpy(at_ + kHead, pieces.tail(piece), size - kHead);
    at_ += size;
  }
  void put(char c) {
    make(1);
    *at_++ = c;
  }

  // What was written becomes the buffer's.
  void finish() { out_.keepUpTo(at_); }

 private:
  static constexpr std::size_t kRoomAhead = 4096;

  void make(std::size_t needed) {
    if (static_cast<std::size_t>(limit_ - at_) < needed) [[unlikely]] {
      const Room room = moreRoom(out_, at_, needed + kRoomAhead);
      at_ = room.at;
      limit_ = room.limit;
    }
  }

  TextBuffer& out_;
  char* at_;
  const char* limit_;
};

}  // namespace formats::json_pieces
