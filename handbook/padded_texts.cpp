// SPDX-License-Identifier: MIT
#include "padded_texts.h"

#include <algorithm>

namespace handbook {

std::string_view PaddedTexts::keep(std::string_view text) {
  if (used_ + text.size() + kSlack > blockSize_) {
    blockSize_ = std::max(kBlock, text.size() + kSlack);
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(blockSize_));
    used_ = 0;
  }
  char* const at = blocks_.back().get() + used_;
  text.copy(at, text.size());
  used_ += text.size();
  return {at, text.size()};
}

}  // namespace handbook
