// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "book.h"
#include "chart_analysis.h"
#include "house_chart.h"
#include "padded_texts.h"
#include "witness_tables.h"

// Chapter VII: the general method of judging a figure (pp. 159-160), followed step by step for
// the house of the demand. Each step is a testimony: the houses and figures it reads, which way
// it leans, what the program says of it, and where the book gives the rule. The balance of the
// testimonies is summed up, never more surely than they lean.
namespace handbook {

// What the program says of a testimony comes in pieces that may each be read this many bytes past
// their ends, so that a writer may copy them in blocks without looking at their sizes.
inline constexpr std::size_t kPieceSlack = PaddedTexts::kSlack;

// The steps in the order they are taken.
enum class Step : std::uint8_t {
  Fitness = 1,        // Rubeus or Cauda Draconis in the Ascendant: not to be judged
  WitnessesAndJudge,  // their answer under the head of the demand (chapter IV)
  FigureInHouse,      // the figure in the house of the demand, where else it stands, its strength
  MeaningInHouse,     // what it means there (chapter V)
  Aspects,            // the figures sextile and trine, then quartile and opposite (chapter VI)
  EndOfMatter,        // the figure in the fourth house
  Reconciler,         // of the figure in the house and the Judge
  PartOfFortune,      // in a question of money
};

struct Testimony {
  Step step = Step::Fitness;
  geomancy::ShortList<std::int8_t, geomancy::kHouseCount> houses;  // a figure may stand in all twelve
  geomancy::ShortList<geomancy::FigureMask, 8> figures;
  Leaning leaning = Leaning::Neither;
  Source source;
  // What the program says of it, one sentence or a few, in pieces to be written one after the
  // other. The pieces need no escaping in JSON: they hold no quotation mark, backslash or
  // control character. Each may be read kPieceSlack bytes past its end.
  geomancy::ShortList<std::string_view, 32, std::uint32_t> says;
};

struct Balance {
  int leaningFor = 0;
  int leaningAgainst = 0;
  int leaningNeither = 0;
  std::string_view summary;  // as a testimony's pieces
};

// A reading of one chart by the method.
struct Judgement {
  std::optional<geomancy::Topic> topic;
  int house = 0;  // of the demand; 0 when the request names none
  bool fit = true;
  geomancy::ShortList<Testimony, 10> testimonies;
  Balance balance;
  // This chart's column of the tables of Witnesses and Judge.
  WitnessesFound witnesses{};
};

// Judges the analysed reading for the house of the demand its request names, into `judgement`,
// replacing what it held. Without a house, only the fitness is judged and the summary says that
// the method needs one; an unfit chart is judged no further.
void judge(const geomancy::ChartAnalysis& analysis, Judgement& judgement);

// The book's name for the head of a topic: "Life", "Money", "Rank", "Property", "Wife", "Sex of
// Child", "Sickness", "Prison", "Journey", "Thing Lost".
[[nodiscard]] std::string_view headName(geomancy::Topic topic) noexcept;

// What the program calls the matters of a house: "money and goods".
[[nodiscard]] std::string_view houseMatters(int house) noexcept;

}  // namespace handbook
