// SPDX-License-Identifier: MIT
#include "padded_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Texts of every size from empty to past a whole block, so that some end a block exactly, some
// start a new one and one needs a block of its own: each must stay as it was given while more are
// kept, and the slack after it must be readable (AddressSanitizer stops the test if it is not).
TEST(PaddedTexts, KeepsEveryTextWithReadableSlackAcrossBlocks) {
  handbook::PaddedTexts store;
  std::vector<std::string> given;
  std::vector<std::string_view> kept;
  for (std::size_t size = 0; given.size() < 3000; size = (size * 7 + 13) % 997) {
    given.push_back(std::string(size, static_cast<char>('a' + given.size() % 26)));
  }
  given.push_back(std::string(200'000, 'z'));
  given.push_back("after the big one");
  for (const std::string& text : given) kept.push_back(store.keep(text));

  unsigned sum = 0;
  for (std::size_t i = 0; i < given.size(); ++i) {
    ASSERT_EQ(kept[i], given[i]) << "text " << i;
    ASSERT_NE(kept[i].data(), given[i].data());
    const volatile char* const end = kept[i].data() + kept[i].size();
    for (std::size_t byte = 0; byte < handbook::PaddedTexts::kSlack; ++byte) sum += end[byte];
  }
  (void)sum;
}

}  // namespace
