// SPDX-License-Identifier: MIT
#include "catalogue.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <set>
#include <string>
#include <string_view>

using geomancy::Figure;
using geomancy::RowValue;

namespace {

struct Expected {
  Figure rows;
  const char* key;
  // Figure name, keyword, day, element, quality, planet, sign, body part, direction, significance.
  std::array<const char*, 10> texts;
};

// The sixteen figures in catalogue order.
// clang-format off
const std::array<Expected, 16> kFigures{{
    {{1, 1, 1, 1}, "VIA",
     {"Via - The Way", "Change", "Monday", "Water", "Mobile", "Moon", "Cancer", "Stomach", "South",
      "This figure signifies some kind of action and forward motion. You may also face loneliness. This is only favorable for travel."}},
    {{2, 2, 2, 2}, "POPULUS",
     {"Populus  The People", "Stability", "Monday", "Water", "Stable", "Moon", "Cancer", "Breasts and Midriffs", "South",
      "This figure stands for a lot of happiness, joy, meetings, gatherings, people, family and abundance."}},
    {{2, 1, 1, 2}, "CONJUNCTIO",
     {"Conjunctio - Union", "Interaction", "Wednesday", "Earth", "Mobile", "Mercury", "Virgo", "Intestines", "East",
      "There may be some heavy weight of problems on your head. You will be protected from enemies and thieves. You will be successful in relationships, partnerships or new ventures."}},
    {{1, 2, 2, 1}, "CARCER",
     {"Carcer - Prison", "Isolation", "Saturday", "Earth", "Stable", "Saturn", "Capricorn", "Lower Legs and Knees", "West",
      "This signifies a comfortable house and food to eat. You will be protected from vagabonds. It is only favorable for confinements. Some deals may revert back."}},
    {{2, 2, 1, 1}, "FORTUNA MAJOR",
     {"Fortuna Major - Greater Fortune", "Power", "Sunday", "Fire", "Stable", "Sun", "Leo", "Chest and Heart", "East",
      "This is a very sacred figure and symbolizes fire. This is a sign of happiness, prosperity, good luck, material wealth, love, honor and respect."}},
    {{1, 1, 2, 2}, "FORTUNA MINOR",
     {"Fortuna Minor - The Lesser Fortune", "Speed", "Sunday", "Air", "Mobile", "Sun", "Leo", "Spine", "South",
      "This stands for chiefs and elderly people of the clan. This also represents anger, pride, domination and food. You may have to put in a lot of work but you will have a fast outcome. There is some instability in your dealings."}},
    {{2, 1, 2, 1}, "ACQUISITIO",
     {"Acquisitio - Gain", "Prosperity", "Thursday", "Fire", "Stable", "Jupiter", "Sagittarius", "Thighs", "West",
      "You may receive money. But there may be some problems too. Legal issues will be solved. You will have a lot of material gains, power, promotions and benefits."}},
    {{1, 2, 1, 2}, "AMISSIO",
     {"Amissio - Loss", "Misfortune", "Wednesday", "Earth", "Mobile", "Venus", "Taurus", "Neck", "North",
      "There may be some conflicts for land and children. You will face losses in the form of love or money. Success will be elusive. You will be successful only if you wish to lose something."}},
    {{1, 2, 2, 2}, "LAETITIA",
     {"Laetitia - Joy", "Happiness", "Thursday", "Water", "Mobile", "Jupiter", "Pisces", "Feet", "South",
      "This is the sign of a king. This is good for auspicious occasions like marriage. This indicates presence of women. There will be success and happiness in whatever task is taken up. You will have peace of mind, harmony, good luck and prosperity."}},
    {{2, 2, 2, 1}, "TRISTITIA",
     {"Tristitia - Sadness", "Lonliness", "Saturday", "Air", "Stable", "Saturn", "Aquarius", "Ankles", "North",
      "There may be a few tears because of your stubborn attitude. Health will improve. You may face some loss and humiliation. There may be some unexpected misfortune."}},
    {{2, 2, 1, 2}, "ALBUS",
     {"Albus - White", "Peace", "Friday", "Air", "Stable", "Mercury", "Gemini", "Lungs", "East",
      "This is a good time for starting something new. You will need to have a lot of patience. You may be spiritually inclined."}},
    {{2, 1, 2, 2}, "RUBEUS",
     {"Rubeus - Red", "Passion", "Tuesday", "Water", "Mobile ", "Mars", "Scorpio", "Reproductivity System", "North",
      "There may be a lot of passion and violence involved. Hear what your inner voice has to tell you. Find the good in the bad."}},
    {{1, 2, 1, 1}, "PUELLA",
     {"Puella - Girl", "Peace", "Friday", "Air", "Stable", "Venus", "Libra", "Kidneys", "West",
      "This will bring good fortune in riches, love, land and happiness. This is a pure and harmonious sign. Good for relationships and healing but bad for decision making."}},
    {{1, 1, 2, 1}, "PUER",
     {"Puer - Boy", "Worries", "Tuesday", "Fire", "Mobile", "Mars", "Aries", "Head", "West",
      "This is a sign of misfortune and robberies. You will have a lot of impulsive energy. You may be brash in your conduct. You need to control and channelize your energy."}},
    {{2, 1, 1, 1}, "CAPUT DRACONIS",
     {"Caput Draconis - Dragon's Head", "Beginning", "Thursday", "Earth", "Stable", "North Node of Moon", "None", "Right Arm", "West",
      "This is the time for new beginnings and initiatives. You may be faced by good and evil thoughts. There may be arguments, fights and trials."}},
    {{1, 1, 1, 2}, "CAUDA DRACONIS",
     {"Cauda Draconis - Dragon's Tail", "End", "Saturday", "Fire", "Mobile", "South Node of Moon", "None", "Left Arm", "North",
      "You will get to hear some cold words. This is the end of the road. A good time to finish all bad things and start afresh."}},
}};
// clang-format on

// An entry's texts in the order of the table above.
std::array<std::string_view, 10> textsOf(const geomancy::CatalogueEntry& entry) {
  return {entry.figureName, entry.keyword, entry.day,      entry.element,   entry.quality,
          entry.planet,     entry.sign,    entry.bodyPart, entry.direction, entry.significance};
}

}  // namespace

TEST(Catalogue, HoldsTheSixteenFiguresInOrderWithTheirTexts) {
  const auto entries = geomancy::catalogue();
  for (int i = 0; i < 16; ++i) {
    SCOPED_TRACE(kFigures[i].key);
    EXPECT_EQ(entries[i].pattern, kFigures[i].rows);
    EXPECT_EQ(entries[i].key, kFigures[i].key);
    const auto texts = textsOf(entries[i]);
    for (int f = 0; f < 10; ++f) EXPECT_EQ(texts[f], kFigures[i].texts[f]);
    EXPECT_EQ(geomancy::entryForRows(kFigures[i].rows), &entries[i]);
  }
}

TEST(Catalogue, KeysAndPatternsAreDistinctAndCoverEveryFigure) {
  std::set<std::string_view> keys;
  std::set<Figure> patterns;
  for (const auto& entry : geomancy::catalogue()) {
    keys.insert(entry.key);
    patterns.insert(entry.pattern);
    for (const RowValue row : entry.pattern) EXPECT_TRUE(row == 1 || row == 2) << entry.key;
  }
  EXPECT_EQ(keys.size(), 16u);
  EXPECT_EQ(patterns.size(), 16u);
  for (const Figure& rows : {Figure{0, 1, 1, 1}, Figure{1, 1, 3, 1}, Figure{1, 1, 1, -1}}) {
    EXPECT_EQ(geomancy::entryForRows(rows), nullptr);
  }
}

// The name shown: the Latin name (the key's) and the English, parted by " - " or Populus's "  ".
TEST(Catalogue, FigureNameIsTheLatinAndTheEnglishName) {
  for (const auto& entry : geomancy::catalogue()) {
    const std::string separator = entry.key == "POPULUS" ? "  " : " - ";
    EXPECT_EQ(entry.figureName,
              std::string(entry.latinName) + separator + std::string(entry.englishName));
    std::string upper(entry.latinName);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(upper, entry.key);
  }
}

// The texts that stand apart from their neighbours, each checked on its own.
TEST(Catalogue, KeepsItsIrregularTextsExactly) {
  EXPECT_EQ(geomancy::entryForRows({2, 2, 2, 2})->figureName, "Populus  The People");
  EXPECT_EQ(geomancy::entryForRows({2, 1, 2, 2})->quality, "Mobile ");
  EXPECT_EQ(geomancy::entryForRows({2, 1, 2, 2})->bodyPart, "Reproductivity System");
  EXPECT_EQ(geomancy::entryForRows({2, 2, 2, 1})->keyword, "Lonliness");
  EXPECT_EQ(geomancy::entryForRows({2, 1, 1, 1})->sign, "None");
  EXPECT_EQ(geomancy::entryForRows({1, 1, 1, 2})->sign, "None");
  EXPECT_EQ(geomancy::entryForRows({2, 1, 1, 1})->planet, "North Node of Moon");
  EXPECT_EQ(geomancy::entryForRows({1, 1, 1, 2})->planet, "South Node of Moon");
  int trailingBlanks = 0;
  for (const auto& entry : geomancy::catalogue())
    trailingBlanks += entry.quality == "Mobile " ? 1 : 0;
  EXPECT_EQ(trailingBlanks, 1);
}
