// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "book.h"
#include "figure_mask.h"

// Chapter I: the attributions of the sixteen figures, as the book tables them (pp. 141-142):
// each figure's sign, element, sex and ruling planet, the Dragons with two planets each.
namespace handbook {

enum class Element : std::uint8_t { Fire, Earth, Air, Water };
enum class Planet : std::uint8_t { Saturn, Jupiter, Mars, Sun, Venus, Mercury, Moon };
inline constexpr int kPlanetCount = 7;
enum class Sex : std::uint8_t { Male, Female };

// "male", "female".
[[nodiscard]] std::string_view sexName(Sex sex) noexcept;

struct Attribution {
  geomancy::FigureMask figure;
  int sign;  // 1 (Aries) to 12 (Pisces); 0 for the Dragons, whose sign the book gives as their own
  Element element;
  Sex sex;
  std::array<Planet, 2> planets;  // the second the same as the first, but for the Dragons
  std::uint16_t page;

  [[nodiscard]] constexpr bool twoPlanets() const noexcept { return planets[0] != planets[1]; }
};

namespace detail {
inline constexpr std::array<Attribution, 16> kAttributions = [] {
  using enum Element;
  using enum Sex;
  using enum Planet;
  // clang-format off
  return std::array<Attribution, 16>{{
      {drawn("1121"), 1,  Fire,  Male,   {Mars,    Mars   }, 141},  // Puer
      {drawn("1212"), 2,  Earth, Female, {Venus,   Venus  }, 141},  // Amissio
      {drawn("2212"), 3,  Air,   Male,   {Mercury, Mercury}, 141},  // Albus
      {drawn("2222"), 4,  Water, Female, {Moon,    Moon   }, 141},  // Populus
      {drawn("2211"), 5,  Fire,  Male,   {Sun,     Sun    }, 141},  // Fortuna Major
      {drawn("2112"), 6,  Earth, Female, {Mercury, Mercury}, 141},  // Conjunctio
      {drawn("1211"), 7,  Air,   Male,   {Venus,   Venus  }, 141},  // Puella
      {drawn("2122"), 8,  Water, Female, {Mars,    Mars   }, 141},  // Rubeus
      {drawn("2121"), 9,  Fire,  Male,   {Jupiter, Jupiter}, 141},  // Acquisitio
      {drawn("1221"), 10, Earth, Female, {Saturn,  Saturn }, 141},  // Carcer
      {drawn("2221"), 11, Air,   Male,   {Saturn,  Saturn }, 141},  // Tristitia
      {drawn("1222"), 12, Water, Female, {Jupiter, Jupiter}, 141},  // Laetitia
      {drawn("1112"), 0,  Fire,  Female, {Saturn,  Mars   }, 142},  // Cauda Draconis
      {drawn("2111"), 0,  Earth, Male,   {Jupiter, Venus  }, 142},  // Caput Draconis
      {drawn("1122"), 5,  Air,   Male,   {Sun,     Sun    }, 142},  // Fortuna Minor
      {drawn("1111"), 4,  Water, Female, {Moon,    Moon   }, 142},  // Via
  }};
  // clang-format on
}();

inline constexpr std::array<std::uint8_t, geomancy::kMaskCount> kRowOfFigure = [] {
  std::array<std::uint8_t, geomancy::kMaskCount> rowOf{};
  for (std::size_t row = 0; row < kAttributions.size(); ++row) {
    rowOf[kAttributions[row].figure] = static_cast<std::uint8_t>(row);
  }
  return rowOf;
}();

}  // namespace detail

// The sixteen rows in the book's order, Puer (Aries) first.
[[nodiscard]] constexpr const std::array<Attribution, 16>& attributions() noexcept {
  return detail::kAttributions;
}
[[nodiscard]] constexpr const Attribution& attributionOf(geomancy::FigureMask figure) noexcept {
  return detail::kAttributions[detail::kRowOfFigure[figure & (geomancy::kMaskCount - 1)]];
}

}  // namespace handbook
