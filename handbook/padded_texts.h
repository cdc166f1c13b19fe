// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace handbook {

// Texts kept in blocks that never move, each followed by at least kSlack bytes that may be read,
// so that a writer can copy a text in whole blocks of up to kSlack bytes without looking at its
// size first: many short texts are copied faster so.
class PaddedTexts {
 public:
  static constexpr std::size_t kSlack = 64;

  // A copy of `text`, kept as long as this store.
  std::string_view keep(std::string_view text);

 private:
  static constexpr std::size_t kBlock = 1 << 16;
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::size_t used_ = 0;
  std::size_t blockSize_ = 0;
};

}  // namespace handbook
