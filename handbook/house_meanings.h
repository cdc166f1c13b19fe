// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "book.h"
#include "figure_mask.h"
#include "topic.h"

// Chapter V: the general meaning of the sixteen figures in the twelve houses (pp. 153-156). Each
// figure has a general line and a cell for each house: its verdict there, the matters the cell
// singles out, a house it refers to, the text as printed and what the program says of it.
namespace handbook {

// The matters the cells single out.
enum class Matter : std::uint8_t {
  War,
  Love,
  Peace,
  Prison,
  Money,
  Gain,
  Loss,
  Secrecy,
  Sadness,
  Debauchery,
  Inheritance,
  Magic,
  Treasure,
  Fortification,
  Quarrels,
  Agriculture,
  Women,
  Music,
  Place,
  Journeys,
  Health,
  Science,
  Church,
  Favour,
  BloodLetting,
  Fire,
  Letters,
  Marriage,
  Conclusion,
  Change,
  Suits,
  Superiors,
  Saturnian,
  ThingsLost,
  Joy,
  Speed,
  Victory,
  Anger,
};
inline constexpr int kMatterCount = 38;

// "war", "love", ..., "blood-letting", ..., "things lost", ...
[[nodiscard]] std::string_view matterName(Matter matter) noexcept;

// Whether a cell's matter is part of what a topic asks: money takes in gain and treasure,
// marriage love and women, sickness health and blood-letting, rank superiors and place, property
// agriculture and fortification, a journey journeys, prison prison, a thing lost things lost.
[[nodiscard]] bool concerns(geomancy::Topic topic, Matter matter) noexcept;

// How a cell singles a matter out.
enum class Naming : std::uint8_t {
  Except,      // its verdict does not hold for the matter: "Evil, exc. for war"
  Only,        // it favours or harms the matter alone: "Good for immorality only"
  Especially,  // more so for the matter: "Good, esp. for love"
  Signifies,   // the matter is what the figure brings there: "Evil, war, and fire"
};

// "except", "only", "especially", "signifies".
[[nodiscard]] std::string_view namingName(Naming naming) noexcept;

struct NamedMatter {
  Naming naming;
  Matter matter;
  Verdict verdict;  // for that matter
};

struct HouseMeaning {
  std::string_view printed;  // its lines joined
  Verdict verdict;           // for every matter it does not single out
  std::array<NamedMatter, 4> named;
  std::uint8_t namedCount;
  std::uint8_t refersTo;  // a house it sends the reader to, or 0
  std::string_view says;  // the program's own words

  [[nodiscard]] constexpr const NamedMatter* begin() const noexcept { return named.data(); }
  [[nodiscard]] constexpr const NamedMatter* end() const noexcept {
    return named.data() + namedCount;
  }
};

// A figure's nature as its general line gives it. Conjunctio, Caput Draconis and Populus are good
// with good and evil with evil; Cauda Draconis good with evil and evil with good.
enum class Nature : std::uint8_t { Good, Evil, WithLike, Contrary };

struct FigureMeanings {
  geomancy::FigureMask figure;
  std::string_view printedName;  // "LETITIA" for Laetitia
  std::uint16_t page;
  Nature nature;
  HouseMeaning general;
  std::array<HouseMeaning, 12> houses;  // house 1 first
};

// The sixteen in the book's order, Acquisitio first.
[[nodiscard]] const std::array<FigureMeanings, 16>& figureMeanings() noexcept;
[[nodiscard]] const FigureMeanings& meaningsOf(geomancy::FigureMask figure) noexcept;
[[nodiscard]] const HouseMeaning& meaningIn(geomancy::FigureMask figure, int house) noexcept;

// The cell's verdict for a question of `topic`: that of the first matter it singles out that the
// topic concerns, else its own.
[[nodiscard]] Verdict verdictFor(const HouseMeaning& meaning,
                                 std::optional<geomancy::Topic> topic) noexcept;

}  // namespace handbook
