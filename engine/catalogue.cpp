// SPDX-License-Identifier: MIT
#include "catalogue.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace geomancy {
namespace {

// Catalogue order governs both the pattern tests and the lookup. Every text is shown exactly
// as it stands here: the doubled blank of Populus, the trailing blank of Rubeus's quality and
// the spellings are the program's own.
constexpr std::array<CatalogueEntry, kCatalogueSize> kCatalogue{{
    {{1, 1, 1, 1},
     "VIA",
     "Via - The Way",
     "Via",
     "The Way",
     "Change",
     "Monday",
     "Water",
     "Mobile",
     "Moon",
     "Cancer",
     "Stomach",
     "South",
     "This figure signifies some kind of action and forward motion. You may also face loneliness. "
     "This is only favorable for travel."},
    {{2, 2, 2, 2},
     "POPULUS",
     "Populus  The People",
     "Populus",
     "The People",
     "Stability",
     "Monday",
     "Water",
     "Stable",
     "Moon",
     "Cancer",
     "Breasts and Midriffs",
     "South",
     "This figure stands for a lot of happiness, joy, meetings, gatherings, people, family and "
     "abundance."},
    {{2, 1, 1, 2},
     "CONJUNCTIO",
     "Conjunctio - Union",
     "Conjunctio",
     "Union",
     "Interaction",
     "Wednesday",
     "Earth",
     "Mobile",
     "Mercury",
     "Virgo",
     "Intestines",
     "East",
     "There may be some heavy weight of problems on your head. You will be protected from enemies "
     "and thieves. You will be successful in relationships, partnerships or new ventures."},
    {{1, 2, 2, 1},
     "CARCER",
     "Carcer - Prison",
     "Carcer",
     "Prison",
     "Isolation",
     "Saturday",
     "Earth",
     "Stable",
     "Saturn",
     "Capricorn",
     "Lower Legs and Knees",
     "West",
     "This signifies a comfortable house and food to eat. You will be protected from vagabonds. It "
     "is only favorable for confinements. Some deals may revert back."},
    {{2, 2, 1, 1},
     "FORTUNA MAJOR",
     "Fortuna Major - Greater Fortune",
     "Fortuna Major",
     "Greater Fortune",
     "Power",
     "Sunday",
     "Fire",
     "Stable",
     "Sun",
     "Leo",
     "Chest and Heart",
     "East",
     "This is a very sacred figure and symbolizes fire. This is a sign of happiness, prosperity, "
     "good luck, material wealth, love, honor and respect."},
    {{1, 1, 2, 2},
     "FORTUNA MINOR",
     "Fortuna Minor - The Lesser Fortune",
     "Fortuna Minor",
     "The Lesser Fortune",
     "Speed",
     "Sunday",
     "Air",
     "Mobile",
     "Sun",
     "Leo",
     "Spine",
     "South",
     "This stands for chiefs and elderly people of the clan. This also represents anger, pride, "
     "domination and food. You may have to put in a lot of work but you will have a fast outcome. "
     "There is some instability in your dealings."},
    {{2, 1, 2, 1},
     "ACQUISITIO",
     "Acquisitio - Gain",
     "Acquisitio",
     "Gain",
     "Prosperity",
     "Thursday",
     "Fire",
     "Stable",
     "Jupiter",
     "Sagittarius",
     "Thighs",
     "West",
     "You may receive money. But there may be some problems too. Legal issues will be solved. You "
     "will have a lot of material gains, power, promotions and benefits."},
    {{1, 2, 1, 2},
     "AMISSIO",
     "Amissio - Loss",
     "Amissio",
     "Loss",
     "Misfortune",
     "Wednesday",
     "Earth",
     "Mobile",
     "Venus",
     "Taurus",
     "Neck",
     "North",
     "There may be some conflicts for land and children. You will face losses in the form of love "
     "or money. Success will be elusive. You will be successful only if you wish to lose "
     "something."},
    {{1, 2, 2, 2},
     "LAETITIA",
     "Laetitia - Joy",
     "Laetitia",
     "Joy",
     "Happiness",
     "Thursday",
     "Water",
     "Mobile",
     "Jupiter",
     "Pisces",
     "Feet",
     "South",
     "This is the sign of a king. This is good for auspicious occasions like marriage. This "
     "indicates presence of women. There will be success and happiness in whatever task is taken "
     "up. You will have peace of mind, harmony, good luck and prosperity."},
    {{2, 2, 2, 1},
     "TRISTITIA",
     "Tristitia - Sadness",
     "Tristitia",
     "Sadness",
     "Lonliness",
     "Saturday",
     "Air",
     "Stable",
     "Saturn",
     "Aquarius",
     "Ankles",
     "North",
     "There may be a few tears because of your stubborn attitude. Health will improve. You may "
     "face some loss and humiliation. There may be some unexpected misfortune."},
    {{2, 2, 1, 2},
     "ALBUS",
     "Albus - White",
     "Albus",
     "White",
     "Peace",
     "Friday",
     "Air",
     "Stable",
     "Mercury",
     "Gemini",
     "Lungs",
     "East",
     "This is a good time for starting something new. You will need to have a lot of patience. You "
     "may be spiritually inclined."},
    {{2, 1, 2, 2},
     "RUBEUS",
     "Rubeus - Red",
     "Rubeus",
     "Red",
     "Passion",
     "Tuesday",
     "Water",
     "Mobile ",
     "Mars",
     "Scorpio",
     "Reproductivity System",
     "North",
     "There may be a lot of passion and violence involved. Hear what your inner voice has to tell "
     "you. Find the good in the bad."},
    {{1, 2, 1, 1},
     "PUELLA",
     "Puella - Girl",
     "Puella",
     "Girl",
     "Peace",
     "Friday",
     "Air",
     "Stable",
     "Venus",
     "Libra",
     "Kidneys",
     "West",
     "This will bring good fortune in riches, love, land and happiness. This is a pure and "
     "harmonious sign. Good for relationships and healing but bad for decision making."},
    {{1, 1, 2, 1},
     "PUER",
     "Puer - Boy",
     "Puer",
     "Boy",
     "Worries",
     "Tuesday",
     "Fire",
     "Mobile",
     "Mars",
     "Aries",
     "Head",
     "West",
     "This is a sign of misfortune and robberies. You will have a lot of impulsive energy. You may "
     "be brash in your conduct. You need to control and channelize your energy."},
    {{2, 1, 1, 1},
     "CAPUT DRACONIS",
     "Caput Draconis - Dragon's Head",
     "Caput Draconis",
     "Dragon's Head",
     "Beginning",
     "Thursday",
     "Earth",
     "Stable",
     "North Node of Moon",
     "None",
     "Right Arm",
     "West",
     "This is the time for new beginnings and initiatives. You may be faced by good and evil "
     "thoughts. There may be arguments, fights and trials."},
    {{1, 1, 1, 2},
     "CAUDA DRACONIS",
     "Cauda Draconis - Dragon's Tail",
     "Cauda Draconis",
     "Dragon's Tail",
     "End",
     "Saturday",
     "Fire",
     "Mobile",
     "South Node of Moon",
     "None",
     "Left Arm",
     "North",
     "You will get to hear some cold words. This is the end of the road. A good time to finish all "
     "bad things and start afresh."},
}};

// Catalogue positions by mask, so that a figure finds its entry in one step.
constexpr std::array<std::uint8_t, kMaskCount> kEntryByMask = [] {
  std::array<std::uint8_t, kMaskCount> table{};
  for (std::size_t entry = 0; entry < kCatalogue.size(); ++entry) {
    table[maskOf(kCatalogue[entry].pattern)] = static_cast<std::uint8_t>(entry);
  }
  return table;
}();

constexpr bool coversEveryMaskOnce() {
  std::array<bool, kMaskCount> seen{};
  for (const CatalogueEntry& entry : kCatalogue) {
    for (const RowValue row : entry.pattern) {
      if (row != kOnePoint && row != kTwoPoints) return false;
    }
    const auto mask = maskOf(entry.pattern);
    if (seen[mask]) return false;
    seen[mask] = true;
  }
  return true;
}
static_assert(coversEveryMaskOnce(), "each of the sixteen figures has exactly one entry");

}  // namespace

std::span<const CatalogueEntry, kCatalogueSize> catalogue() noexcept {
  return kCatalogue;
}

const CatalogueEntry* entryForRows(const Figure& rows) noexcept {
  // Tested without a branch per row: the rows handed in follow no pattern a branch could learn.
  bool otherRows = false;
  for (const RowValue row : rows) {
    otherRows |= row != kOnePoint && row != kTwoPoints;
  }
  return otherRows ? nullptr : &entryForMask(maskOf(rows));
}

const CatalogueEntry& entryForMask(FigureMask mask) noexcept {
  return kCatalogue[kEntryByMask[mask & (kMaskCount - 1)]];
}

}  // namespace geomancy
