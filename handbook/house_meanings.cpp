// SPDX-License-Identifier: MIT
#include "house_meanings.h"

#include "house_meanings_table.h"

namespace handbook {
namespace {

constexpr std::array<std::string_view, kMatterCount> kMatterNames{
    "war",           "love",          "peace",     "prison",      "money",       "gain",
    "loss",          "secrecy",       "sadness",   "debauchery",  "inheritance", "magic",
    "treasure",      "fortification", "quarrels",  "agriculture", "women",       "music",
    "place",         "journeys",      "health",    "science",     "church",      "favour",
    "blood-letting", "fire",          "letters",   "marriage",    "conclusion",  "change",
    "suits",         "superiors",     "saturnian", "things lost", "joy",         "speed",
    "victory",       "anger"};

}  // namespace

std::string_view matterName(Matter matter) noexcept {
  return kMatterNames[static_cast<std::size_t>(matter)];
}

bool concerns(geomancy::Topic topic, Matter matter) noexcept {
  return detail::concernsMatter(topic, matter);
}

std::string_view namingName(Naming naming) noexcept {
  static constexpr std::array<std::string_view, 4> kNames{"except", "only", "especially",
                                                          "signifies"};
  return kNames[static_cast<std::size_t>(naming)];
}

const std::array<FigureMeanings, 16>& figureMeanings() noexcept {
  return detail::kMeanings;
}

const FigureMeanings& meaningsOf(geomancy::FigureMask figure) noexcept {
  return detail::meaningsOf(figure);
}

const HouseMeaning& meaningIn(geomancy::FigureMask figure, int house) noexcept {
  return detail::meaningIn(figure, house);
}

Verdict verdictFor(const HouseMeaning& meaning, std::optional<geomancy::Topic> topic) noexcept {
  return detail::verdictForTopic(meaning, topic);
}

}  // namespace handbook
