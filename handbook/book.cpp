// SPDX-License-Identifier: MIT
#include "book.h"

#include <array>

namespace handbook {

std::string_view chapterNumeral(int chapter) noexcept {
  static constexpr std::array<std::string_view, 8> kNumerals{"",   "I", "II", "III",
                                                             "IV", "V", "VI", "VII"};
  return chapter >= 1 && chapter <= 7 ? kNumerals[static_cast<std::size_t>(chapter)] : "";
}

std::string_view verdictName(Verdict verdict) noexcept {
  static constexpr std::array<std::string_view, kVerdictCount> kNames{
      "very good", "good", "moderate", "evil", "very evil", "destroy"};
  return kNames[static_cast<std::size_t>(verdict)];
}

std::string_view leaningName(Leaning leaning) noexcept {
  static constexpr std::array<std::string_view, 3> kNames{"for", "against", "neither"};
  return kNames[static_cast<std::size_t>(leaning)];
}

}  // namespace handbook
