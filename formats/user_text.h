// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text that users give: the rules a question keeps, and any text shown inside a message.
namespace formats {

// In code points, as a reader counts characters.
inline constexpr std::size_t kMaxQuestionLength = 1000;

// Why a question cannot be taken (empty, too long, not UTF-8, a control character other than a
// tab), or nothing when it can.
[[nodiscard]] std::string questionFault(std::string_view question);

// `text` in double quotes as a message shows it: quotes, backslashes, control characters and
// bytes that are not UTF-8 escaped, and a long text cut, with a note of its whole length.
[[nodiscard]] std::string quotedForMessage(std::string_view text);

}  // namespace formats
