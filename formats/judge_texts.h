// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

#include "catalogue.h"

namespace formats {

// The Judge's nine texts from the catalogue, in the order every format gives them: the key a JSON
// line holds each under, and the label plain text puts before it.
struct JudgeText {
  std::string_view jsonKey;
  std::string_view label;
  std::string_view geomancy::CatalogueEntry::*text;
};
inline constexpr std::array<JudgeText, 9> kJudgeTexts{{
    {"keyword", "Keyword:", &geomancy::CatalogueEntry::keyword},
    {"day", "Day:", &geomancy::CatalogueEntry::day},
    {"element", "Element:", &geomancy::CatalogueEntry::element},
    {"quality", "Quality:", &geomancy::CatalogueEntry::quality},
    {"planet", "Planet:", &geomancy::CatalogueEntry::planet},
    {"sign", "Sign:", &geomancy::CatalogueEntry::sign},
    {"body_part", "Body part:", &geomancy::CatalogueEntry::bodyPart},
    {"direction", "Direction:", &geomancy::CatalogueEntry::direction},
    {"significance", "Significance:", &geomancy::CatalogueEntry::significance},
}};

}  // namespace formats
