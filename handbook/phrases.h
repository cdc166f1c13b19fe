// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "book.h"
#include "figure_mask.h"
#include "judgement.h"
#include "padded_texts.h"
#include "topic.h"
#include "witness_tables.h"

// What the program says in its reading of a chart, in pieces worked out once, for every value each
// can take, and joined as each chart needs them: a reading is judged without making a text.
// Inside the handbook's library only.
namespace handbook::phrases {

inline constexpr int kFigures = geomancy::kMaskCount;
inline constexpr int kHouses = 13;  // by house, 1 to 12; [0] unused
inline constexpr int kTopics = geomancy::kTopicCount;
inline constexpr std::size_t kColumns = kWitnessColumns;

template <typename Item>
using ByFigure = std::array<Item, kFigures>;
template <typename Item>
using ByHouse = std::array<Item, kHouses>;
// By topic, and [kTopics] for a question without one.
template <typename Item>
using ByTopic = std::array<Item, kTopics + 1>;

// What the figures of a group of aspects come to: for the sextiles and trines help, none, or a
// mix; for the quartiles and the opposition little opposition, strong opposition, or between.
enum class AspectEnd : std::uint8_t {
  Helped,
  Hindered,
  HelpedButHostile,
  HinderedButFriendly,
  EvenlyMixed,
  LittleOpposition,
  StrongOpposition,
  EvilButNotHostile,
  HostileButNotEvil,
};
inline constexpr int kAspectEnds = 9;

[[nodiscard]] constexpr Leaning leaningOf(AspectEnd end) noexcept {
  switch (end) {
    case AspectEnd::Helped:
    case AspectEnd::LittleOpposition:
      return Leaning::For;
    case AspectEnd::Hindered:
    case AspectEnd::StrongOpposition:
      return Leaning::Against;
    default:
      return Leaning::Neither;
  }
}

struct Phrases {
  PaddedTexts arena;  // every piece below

  // Step 1, by the figure in the Ascendant.
  ByFigure<std::string_view> fitness;

  // Step 2, by column of the tables (block * 8 + column) and topic: the Witnesses, the Judge and
  // the table's answer, or the general rule of the Judge; then, where the answer sends the
  // question to a house, by topic, house and figure.
  std::array<ByTopic<std::string_view>, kColumns> witnesses;
  std::array<ByHouse<ByFigure<std::string_view>>, kTopics> byHouse;

  // Step 3, by house and figure: the whole for a figure alone in its house; else its start, the
  // houses it springs into, and its end.
  ByHouse<ByFigure<std::string_view>> standsAlone;
  ByHouse<ByFigure<std::string_view>> springsFrom;
  ByHouse<std::string_view> springHouse;
  std::string_view listAnd;
  std::string_view listComma;
  ByHouse<ByFigure<std::string_view>> springsEnd;      // after one house
  ByHouse<ByFigure<std::string_view>> springsEndMany;  // after more than one

  // Steps 4 and 6, by topic, house and figure.
  ByTopic<ByHouse<ByFigure<std::string_view>>> readIn;
  ByFigure<std::string_view> brings;
  ByHouse<ByFigure<std::string_view>> compare;  // by the house referred to and its figure
  std::string_view endIntro;
  std::string_view endIsDemand;

  // Step 5: the friendly aspects (sextile and trine) and the hard ones (quartile and opposition).
  ByHouse<std::string_view> friendlyIntro;
  ByHouse<std::string_view> hardIntro;
  // "Fortuna Major in house 4 (a sinister sextile), of middling strength", by the house of the
  // demand, the house aspecting it and its figure.
  ByHouse<ByHouse<ByFigure<std::string_view>>> aspecting;
  // ", good, friendly to Carcer", by the side the figure takes, its accord with the figure in the
  // house of the demand, and that figure.
  std::array<std::array<ByFigure<std::string_view>, 3>, 3> sideWith;
  std::string_view separator;
  // What a group of aspects comes to, by the figure in the house of the demand.
  std::array<ByFigure<std::string_view>, kAspectEnds> aspectEnd;

  // Step 7, by the figure in the house and the Judge.
  ByFigure<ByFigure<std::string_view>> reconciler;

  // Step 8, by the house of the Part of Fortune and its figure.
  ByHouse<ByFigure<std::string_view>> fortune;

  // The balance.
  std::string_view unfit;
  std::string_view needsHouse;
  std::string_view noLeaning;
  std::string_view allFor;
  std::string_view moreFor;
  std::string_view allAgainst;
  std::string_view moreAgainst;
  std::string_view even;
};

[[nodiscard]] const Phrases& phrases();

// The Latin name, as "Fortuna Major".
[[nodiscard]] std::string_view nameOf(geomancy::FigureMask figure) noexcept;

}  // namespace handbook::phrases
