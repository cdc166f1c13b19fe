// SPDX-License-Identifier: MIT
#include "dignities.h"

namespace handbook {
namespace {

using enum Planet;
using geomancy::AspectKind;
using geomancy::AspectSide;

// Each planet's signs (1 Aries to 12 Pisces) by dignity; 0 for none.
struct PlanetSigns {
  std::array<int, 2> house;
  int exaltation;
};
constexpr std::array<PlanetSigns, kPlanetCount> kPlanetSigns{{
    {{10, 11}, 7},  // Saturn: Capricorn and Aquarius, exalted in Libra
    {{9, 12}, 4},   // Jupiter: Sagittarius and Pisces, exalted in Cancer
    {{1, 8}, 10},   // Mars: Aries and Scorpio, exalted in Capricorn
    {{5, 5}, 1},    // the Sun: Leo, exalted in Aries
    {{2, 7}, 12},   // Venus: Taurus and Libra, exalted in Pisces
    {{3, 6}, 6},    // Mercury: Gemini and Virgo, exalted in Virgo
    {{4, 4}, 2},    // the Moon: Cancer, exalted in Taurus
}};

// The rulers of each triplicity as the printed table's sound rows give them: of Fire the Sun and
// Jupiter, of Earth Venus and the Moon, of Air Saturn and Mercury, of Water Mars.
constexpr std::array<std::array<Planet, 2>, 4> kTriplicity{{
    {Sun, Jupiter},
    {Venus, Moon},
    {Saturn, Mercury},
    {Mars, Mars},
}};

constexpr int opposite(int sign) {
  return (sign + 5) % 12 + 1;
}

// Fire, Earth, Air and Water in turn from Aries.
constexpr Element elementOfSign(int sign) {
  return static_cast<Element>((sign - 1) % 4);
}

constexpr Dignities planetDignities(Planet planet, int sign) {
  const PlanetSigns& signs = kPlanetSigns[static_cast<std::size_t>(planet)];
  Dignities dignities = 0;
  for (const int own : signs.house) {
    if (own == sign) dignities |= dignityBit(Dignity::House);
    if (opposite(own) == sign) dignities |= dignityBit(Dignity::Detriment);
  }
  if (signs.exaltation == sign) dignities |= dignityBit(Dignity::Exaltation);
  if (opposite(signs.exaltation) == sign) dignities |= dignityBit(Dignity::Fall);
  for (const Planet ruler : kTriplicity[static_cast<std::size_t>(elementOfSign(sign))]) {
    if (ruler == planet) dignities |= dignityBit(Dignity::Triplicity);
  }
  return dignities;
}

// As printed; the cells that differ from the rule are listed in docs/reading-a-chart.md.
constexpr std::array<PrintedDignityRow, 12> kPrinted{{
    {{"1121, 2122, 1112", "2211, 1122", "2211,1122,2121, 1222, 2111", "1221, 2221", "1212, 1211"},
     157},
    {{"1212, 1211 2111", "2222, 1111", "2222,1111,1212, 1211, 2111", "---", "1121, 2122, 1112"},
     157},
    {{"2112, 2212", "2111", "1221,222 12212, 2112, 112", "1112", "2121, 1222, 2111"}, 157},
    {{"2222, 1111", "2121, 1222", "1121,2122,1112", "1121, 2122", "1221, 2221, 1112"}, 158},
    {{"2211, 1122", "---", "2211,1122,2121, 1222, 2111", "---", "1221, 2221, 1112"}, 158},
    {{"2112, 2212", "2112, 2212", "2222,1111,1212, 1211, 2111", "1212, 1211", "2121, 1222, 2111"},
     158},
    {{"1211, 1212, 2111", "1221, 2221", "1221,2221,2212, 2112, 1112", "2211, 1122",
      "1121, 2122, 1112"},
     158},
    {{"2122, 1121, 1112", "---", "1121, 2122, 1112", "2222, 1111", "1212, 1211, 2111"}, 158},
    {{"2121, 1222, 2111", "1112", "2211,1122,2121, 1222, 2111", "2111", "2212, 2112"}, 158},
    {{"1221, 2221, 1112", "1121, 2122", "2222,1111,1212, 1211, 2111", "1222, 2121", "2222, 1111"},
     158},
    {{"1221, 2221, 1112", "---", "1221,2221,2212, 2112, 1112", "---", "2211, 1122"}, 158},
    {{"1222, 2121, 2111", "1212, 1211", "1121, 2122, 1112", "2212, 2112", "2212, 2112"}, 158},
}};

// Each planet's lists of friends and enemies, as printed (p. 158).
struct PlanetFriends {
  std::array<bool, kPlanetCount> friends;
  std::array<bool, kPlanetCount> enemies;
};
constexpr PlanetFriends listOf(std::initializer_list<Planet> friends,
                               std::initializer_list<Planet> enemies) {
  PlanetFriends lists{};
  for (const Planet planet : friends) lists.friends[static_cast<std::size_t>(planet)] = true;
  for (const Planet planet : enemies) lists.enemies[static_cast<std::size_t>(planet)] = true;
  return lists;
}
constexpr std::array<PlanetFriends, kPlanetCount> kFriends{{
    listOf({Jupiter, Sun, Mercury, Moon}, {Mars, Venus}),    // Saturn
    listOf({Saturn, Sun, Venus, Mercury, Moon}, {Mars}),     // Jupiter
    listOf({Venus}, {Moon, Saturn, Sun, Mercury}),           // Mars
    listOf({Jupiter, Sun, Venus, Mercury, Moon}, {Saturn}),  // the Sun
    listOf({Jupiter, Sun, Mars, Mercury, Moon}, {Saturn}),   // Venus
    listOf({Saturn, Jupiter, Sun, Venus, Moon}, {Mars}),     // Mercury
    listOf({Jupiter, Sun, Venus, Mercury}, {Saturn, Mars}),  // the Moon
}};

// A planet's friends and enemies as its own list names them (p. 158). The lists are not
// symmetric: Saturn names the Sun and the Moon friends, and both name Saturn an enemy. A planet
// is friendly to itself.
constexpr Accord accordOfPlanets(Planet of, Planet towards) {
  if (of == towards) return Accord::Friendly;
  const PlanetFriends& lists = kFriends[static_cast<std::size_t>(of)];
  if (lists.friends[static_cast<std::size_t>(towards)]) return Accord::Friendly;
  return lists.enemies[static_cast<std::size_t>(towards)] ? Accord::Hostile : Accord::Neither;
}

// The elements (pp. 158-159): each sympathetic with itself, friendly with two and hostile to the
// third; Fire and Water hostile, Air and Earth hostile.
enum class Sympathy : std::uint8_t { Sympathetic, Friendly, Hostile };

constexpr Sympathy sympathyOf(Element a, Element b) {
  if (a == b) return Sympathy::Sympathetic;
  const auto pairOf = [](Element x, Element y) {
    return (x == Element::Fire && y == Element::Water) ||
           (x == Element::Air && y == Element::Earth);
  };
  return pairOf(a, b) || pairOf(b, a) ? Sympathy::Hostile : Sympathy::Friendly;
}

constexpr Accord figureAccord(geomancy::FigureMask judged, geomancy::FigureMask other) {
  bool friendly = false;
  bool hostile = false;
  for (const Planet of : attributionOf(judged).planets) {
    for (const Planet towards : attributionOf(other).planets) {
      const Accord accord = accordOfPlanets(of, towards);
      friendly = friendly || accord == Accord::Friendly;
      hostile = hostile || accord == Accord::Hostile;
    }
  }
  if (friendly == hostile) return Accord::Neither;
  return friendly ? Accord::Friendly : Accord::Hostile;
}

constexpr bool agree(geomancy::FigureMask a, geomancy::FigureMask b) {
  const Accord accord = figureAccord(a, b);
  if (accord != Accord::Neither) return accord == Accord::Friendly;
  return sympathyOf(attributionOf(a).element, attributionOf(b).element) != Sympathy::Hostile;
}

template <typename Item, typename Make>
constexpr std::array<std::array<Item, geomancy::kMaskCount>, geomancy::kMaskCount> byTwoFigures(
    Make make) {
  std::array<std::array<Item, geomancy::kMaskCount>, geomancy::kMaskCount> table{};
  for (int a = 0; a < geomancy::kMaskCount; ++a) {
    for (int b = 0; b < geomancy::kMaskCount; ++b) {
      table[a][b] =
          make(static_cast<geomancy::FigureMask>(a), static_cast<geomancy::FigureMask>(b));
    }
  }
  return table;
}

constexpr auto kFigureAccord = byTwoFigures<Accord>(figureAccord);
constexpr auto kAgrees = byTwoFigures<bool>(agree);

// By figure and house (1 to 12; [0] unused).
constexpr auto kDignities = [] {
  std::array<std::array<Dignities, 13>, geomancy::kMaskCount> table{};
  for (int figure = 0; figure < geomancy::kMaskCount; ++figure) {
    const Attribution& attribution = attributionOf(static_cast<geomancy::FigureMask>(figure));
    for (int house = 1; house <= 12; ++house) {
      table[figure][house] = static_cast<Dignities>(planetDignities(attribution.planets[0], house) |
                                                    planetDignities(attribution.planets[1], house));
    }
  }
  return table;
}();

}  // namespace

std::string_view dignityName(Dignity dignity) noexcept {
  static constexpr std::array<std::string_view, kDignityCount> kNames{
      "house", "exaltation", "triplicity", "fall", "detriment"};
  return kNames[static_cast<std::size_t>(dignity)];
}

Dignities dignitiesOf(geomancy::FigureMask figure, int house) noexcept {
  return kDignities[figure & (geomancy::kMaskCount - 1)][static_cast<std::size_t>(house)];
}

Strength strengthOf(Dignities dignities) noexcept {
  constexpr std::array<Strength, kDignityCount> kStrengths{Strength::Strongest,
                                                           Strength::VeryStrong, Strength::Strong,
                                                           Strength::VeryWeak, Strength::Weakest};
  for (int dignity = 0; dignity < kDignityCount; ++dignity) {
    if ((dignities >> dignity) & 1u) return kStrengths[static_cast<std::size_t>(dignity)];
  }
  return Strength::Middling;
}

const std::array<PrintedDignityRow, 12>& printedDignities() noexcept {
  return kPrinted;
}

std::string_view accordName(Accord accord) noexcept {
  static constexpr std::array<std::string_view, 3> kNames{
      "friendly", "neither friendly nor hostile", "hostile"};
  return kNames[static_cast<std::size_t>(accord)];
}

Accord accordOf(geomancy::FigureMask judged, geomancy::FigureMask other) noexcept {
  return kFigureAccord[judged & (geomancy::kMaskCount - 1)][other & (geomancy::kMaskCount - 1)];
}

bool agreesByNature(geomancy::FigureMask a, geomancy::FigureMask b) noexcept {
  return kAgrees[a & (geomancy::kMaskCount - 1)][b & (geomancy::kMaskCount - 1)];
}

std::array<HouseAspect, 7> aspectsOf(int house) noexcept {
  const auto at = [house](int apart) { return (house - 1 + apart + 12) % 12 + 1; };
  return {{
      {at(-2), AspectKind::Sextile, AspectSide::Dexter},
      {at(-3), AspectKind::Square, AspectSide::Dexter},
      {at(-4), AspectKind::Trine, AspectSide::Dexter},
      {at(2), AspectKind::Sextile, AspectSide::Sinister},
      {at(3), AspectKind::Square, AspectSide::Sinister},
      {at(4), AspectKind::Trine, AspectSide::Sinister},
      {at(6), AspectKind::Opposition, AspectSide::Neither},
  }};
}

std::string_view aspectWord(geomancy::AspectKind kind) noexcept {
  static constexpr std::array<std::string_view, 4> kWords{"sextile", "quartile", "trine",
                                                          "opposition"};
  return kWords[static_cast<std::size_t>(kind)];
}

}  // namespace handbook
