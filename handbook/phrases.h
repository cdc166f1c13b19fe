// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "book.h"
#include "dignities.h"
#include "figure_mask.h"
#include "topic.h"

// What the program says in its reading of a chart, in pieces worked out once, for every value each
// can take, and joined as each chart needs them: a reading is judged without making a text.
// Inside the handbook's library only.
namespace handbook::phrases {

inline constexpr int kFigures = geomancy::kMaskCount;
inline constexpr int kHouses = 13;  // by house, 1 to 12; [0] unused
inline constexpr int kTopics = geomancy::kTopicCount;
inline constexpr int kColumns = 128;

template <typename Item>
using ByFigure = std::array<Item, kFigures>;
template <typename Item>
using ByHouse = std::array<Item, kHouses>;

struct Phrases {
  // Step 1, by the figure in the Ascendant.
  ByFigure<std::string> fitness;

  // Step 2, by column of the tables (block * 8 + column), topic, house and figure.
  std::array<std::string, kColumns> witnesses;
  std::array<std::array<std::string, kTopics>, kColumns> headAnswer;
  std::array<ByHouse<ByFigure<std::string>>, kTopics> byHouse;
  std::array<std::string, kColumns> misprint;
  ByFigure<std::string> judgeRule;  // no topic: as the Judge is, so is the chart

  // Step 3, by house and figure.
  ByHouse<ByFigure<std::string>> standsIn;
  std::string springsNowhere;
  std::string springsInto;
  ByHouse<std::string> springHouse;
  std::string listAnd;
  std::string listComma;
  std::string springsEnd;
  ByHouse<ByFigure<std::string>> strength;

  // Steps 4 and 6, by house, figure and topic.
  ByHouse<ByFigure<std::string>> meaning;
  std::array<ByHouse<ByFigure<std::string>>, kTopics> topicClause;  // empty where none applies
  ByHouse<ByFigure<std::string>> compare;  // by the house referred to and its figure
  ByFigure<std::string> brings;
  std::string endIntro;
  std::string endIsDemand;

  // Step 5: the friendly aspects (sextile and trine) and the hard ones (quartile and opposition).
  ByHouse<std::string> friendlyIntro;
  ByHouse<std::string> hardIntro;
  ByHouse<ByFigure<std::string>> aspecting;         // "Fortuna Major in house 4"
  std::array<std::string, 7> aspectKind;            // by the index in aspectsOf()
  std::array<std::string, 3> nature;                // ", good" and so on, by leaning
  std::array<std::string, 6> strengthWord;          // by Strength
  std::array<ByFigure<std::string>, 3> accordWith;  // by Accord and the figure in the house
  std::string separator;
  std::array<ByFigure<std::string>, 3> friendlyEnd;  // by leaning and the figure in the house
  std::array<ByFigure<std::string>, 3> hardEnd;

  // Step 7, by the figure in the house and the Judge.
  ByFigure<ByFigure<std::string>> reconciler;

  // Step 8, by the house of the Part of Fortune and its figure.
  ByHouse<ByFigure<std::string>> fortune;

  // The balance.
  std::string unfit;
  std::string needsHouse;
  std::string noLeaning;
  std::string allFor;
  std::string moreFor;
  std::string allAgainst;
  std::string moreAgainst;
  std::string even;
};

[[nodiscard]] const Phrases& phrases();

// The Latin name, as "Fortuna Major".
[[nodiscard]] std::string_view nameOf(geomancy::FigureMask figure) noexcept;

}  // namespace handbook::phrases
