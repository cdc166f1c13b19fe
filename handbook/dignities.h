// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "attributions.h"
#include "book.h"
#include "figure_mask.h"
#include "perfection.h"

// Chapter VI: the strength of a figure in a house, the aspects of the houses, and the friendship
// and enmity of the figures (pp. 157-159).
namespace handbook {

// A figure's dignities in a house, strongest first: its House (the planet's own sign), its
// Exaltation, its Triplicity, then its Fall and its Detriment, the signs opposite its Exaltation
// and its House.
enum class Dignity : std::uint8_t { House, Exaltation, Triplicity, Fall, Detriment };
inline constexpr int kDignityCount = 5;
using Dignities = std::uint8_t;  // bit d for Dignity d

[[nodiscard]] constexpr Dignities dignityBit(Dignity dignity) noexcept {
  return static_cast<Dignities>(1u << static_cast<unsigned>(dignity));
}

// "house", "exaltation", "triplicity", "fall", "detriment".
[[nodiscard]] std::string_view dignityName(Dignity dignity) noexcept;

// The book's words: strongest in its House, very strong in its Exaltation, strong in its
// Triplicity, very weak in its Fall, weakest of all in its Detriment; middling with none of them.
enum class Strength : std::uint8_t { Strongest, VeryStrong, Strong, Middling, VeryWeak, Weakest };

// By the rule the chapter states (p. 157), not by its printed table, which is corrupt in places
// (docs/reading-a-chart.md lists where): house 1 answers to Aries, house 2 to Taurus and so on to
// house 12 and Pisces, and a figure has its ruling planet's dignities there, a Dragon those of
// both its planets.
[[nodiscard]] Dignities dignitiesOf(geomancy::FigureMask figure, int house) noexcept;

// The first of House, Exaltation, Triplicity, Fall and Detriment that the figure has: a dignity
// outweighs a debility it has beside it.
[[nodiscard]] Strength strengthOf(Dignities dignities) noexcept;

// The table of essential dignities as printed (pp. 157-158): by house, then by dignity, each cell
// its figures as the book writes them, four digits each, "---" for none.
struct PrintedDignityRow {
  std::array<std::string_view, kDignityCount> cells;
  std::uint16_t page;
};
[[nodiscard]] const std::array<PrintedDignityRow, 12>& printedDignities() noexcept;

// How one figure stands towards another by nature.
enum class Accord : std::uint8_t { Friendly, Neither, Hostile };

// "friendly", "neither friendly nor hostile", "hostile".
[[nodiscard]] std::string_view accordName(Accord accord) noexcept;

// How the planets of figure `other` stand with those of `judged`, read from the lists of
// `judged`'s planets: the worked example of chapter VII finds the Sun's Fortunes friendly to
// Saturn's Carcer, as Saturn's list has it, though the Sun's list names Saturn an enemy. With two
// planets on either side, friendly when some pair is friendly and none hostile, hostile the other
// way round, and neither otherwise.
[[nodiscard]] Accord accordOf(geomancy::FigureMask judged, geomancy::FigureMask other) noexcept;

// Whether figure `a` agrees by nature with `b` (pp. 158-159): the planets, read from `a`'s lists,
// decide; where they are neither friends nor enemies, the elements, unless hostile.
[[nodiscard]] bool agreesByNature(geomancy::FigureMask a, geomancy::FigureMask b) noexcept;

// The houses that aspect a house, as the book names them from the house aspected (p. 158): the
// Ascendant is aspected by 11, 10 and 9 dexter (sextile, quartile, trine), by 3, 4 and 5 sinister,
// and by 7 in opposition. The dexter aspect is the stronger.
struct HouseAspect {
  int house;
  geomancy::AspectKind kind;
  geomancy::AspectSide side;
};
[[nodiscard]] std::array<HouseAspect, 7> aspectsOf(int house) noexcept;

// "sextile", "quartile", "trine", "opposition": the book's names.
[[nodiscard]] std::string_view aspectWord(geomancy::AspectKind kind) noexcept;

}  // namespace handbook
