// SPDX-License-Identifier: MIT
#include "attributions.h"

namespace handbook {
namespace {

using enum Element;
using enum Planet;
using enum Sex;

constexpr std::array<Attribution, 16> kAttributions{{
    {drawn("1121"), 1, Fire, Male, {Mars, Mars}, 141},            // Puer
    {drawn("1212"), 2, Earth, Female, {Venus, Venus}, 141},       // Amissio
    {drawn("2212"), 3, Air, Male, {Mercury, Mercury}, 141},       // Albus
    {drawn("2222"), 4, Water, Female, {Moon, Moon}, 141},         // Populus
    {drawn("2211"), 5, Fire, Male, {Sun, Sun}, 141},              // Fortuna Major
    {drawn("2112"), 6, Earth, Female, {Mercury, Mercury}, 141},   // Conjunctio
    {drawn("1211"), 7, Air, Male, {Venus, Venus}, 141},           // Puella
    {drawn("2122"), 8, Water, Female, {Mars, Mars}, 141},         // Rubeus
    {drawn("2121"), 9, Fire, Male, {Jupiter, Jupiter}, 141},      // Acquisitio
    {drawn("1221"), 10, Earth, Female, {Saturn, Saturn}, 141},    // Carcer
    {drawn("2221"), 11, Air, Male, {Saturn, Saturn}, 141},        // Tristitia
    {drawn("1222"), 12, Water, Female, {Jupiter, Jupiter}, 141},  // Laetitia
    {drawn("1112"), 0, Fire, Female, {Saturn, Mars}, 142},        // Cauda Draconis
    {drawn("2111"), 0, Earth, Male, {Jupiter, Venus}, 142},       // Caput Draconis
    {drawn("1122"), 5, Air, Male, {Sun, Sun}, 142},               // Fortuna Minor
    {drawn("1111"), 4, Water, Female, {Moon, Moon}, 142},         // Via
}};

constexpr std::array<std::uint8_t, geomancy::kMaskCount> kRowOfFigure = [] {
  std::array<std::uint8_t, geomancy::kMaskCount> rowOf{};
  for (std::size_t row = 0; row < kAttributions.size(); ++row) {
    rowOf[kAttributions[row].figure] = static_cast<std::uint8_t>(row);
  }
  return rowOf;
}();

}  // namespace

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
  return sex == Male ? "male" : "female";
}

const std::array<Attribution, 16>& attributions() noexcept {
  return kAttributions;
}

const Attribution& attributionOf(geomancy::FigureMask figure) noexcept {
  return kAttributions[kRowOfFigure[figure & (geomancy::kMaskCount - 1)]];
}

}  // namespace handbook
