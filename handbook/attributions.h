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

// "fire", "earth", "air", "water"; "Saturn" ... "Moon"; "male", "female".
[[nodiscard]] std::string_view elementName(Element element) noexcept;
[[nodiscard]] std::string_view planetName(Planet planet) noexcept;
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

// The sixteen rows in the book's order, Puer (Aries) first.
[[nodiscard]] const std::array<Attribution, 16>& attributions() noexcept;
[[nodiscard]] const Attribution& attributionOf(geomancy::FigureMask figure) noexcept;

}  // namespace handbook
