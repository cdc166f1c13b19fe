// SPDX-License-Identifier: MIT
#include "attributions.h"

namespace handbook {

std::string_view elementName(Element element) noexcept {
  static constexpr std::array<std::string_view, 4> kNames{"fire", "earth", "air", "water"};
  return kNames[static_cast<std::size_t>(element)];
}

std::string_view planetName(Planet planet) noexcept {
  static constexpr std::array<std::string_view, kPlanetCount> kNames{
      "Saturn", "Jupiter", "Mars", "the Sun", "Venus", "Mercury", "the Moon"};
  return kNames[static_cast<std::size_t>(planet)];
}

std::string_view sexName(Sex sex) noexcept {
  return sex == Sex::Male ? "male" : "female";
}

}  // namespace handbook
