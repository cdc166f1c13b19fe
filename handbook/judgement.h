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
  Fitness,            // Rubeus or Cauda Draconis in the Ascendant: not to be judged
  WitnessesAndJudge,  // their answer under the head of the demand (chapter IV)
  FigureInHouse,      // the figure in the house of the demand, where else it stands, its strength
  MeaningInHouse,     // what it means there (chapter V)
  FriendlyAspects,    // the figures sextile and trine to the house (chapter VI)
  HardAspects,        // the figures quartile and opposite to it
  EndOfMatter,        // the figure in the fourth house
  Reconciler,         // of the figure in the house and the Judge
  PartOfFortune,      // in a question of money
};
inline constexpr int kStepCount = 9;

// The step's number in the chapter's method, 1 to 8: the aspects, friendly and hard, are one step.
[[nodiscard]] constexpr int stepNumber(Step step) noexcept {
  return static_cast<int>(step) + (step >= Step::HardAspects ? 0 : 1);
}

struct Testimony {
  Step step = Step::Fitness;
  // The houses the testimony reads, and the figures: those in its houses, the Witnesses, the Judge
  // or a Reconciler, as its step takes them (docs/reading-a-chart.md says which).
  geomancy::ShortList<std::int8_t, geomancy::kHouseCount> houses;  // a figure may stand in all
  geomancy::ShortList<geomancy::FigureMask, 8> figures;
  Leaning leaning = Leaning::Neither;
  Source source;
  // What the program says of it, one sentence or a few, in pieces to be written one after the
  // other. The pieces need no escaping in JSON: they hold no quotation mark, backslash or
  // control character. Each may be read kPieceSlack bytes past its end.
  geomancy::ShortList<std::string_view, 32, std::uint32_t> says;

  // Made anew in place for a step, every field set: a judgement fills the places of the one before.
  void begin(Step at, Source from) noexcept {
    step = at;
    houses.clear();
    figures.clear();
    leaning = Leaning::Neither;
    source = from;
    says.clear();
  }
};

inline constexpr std::size_t kMostTestimonies = 10;

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
  geomancy::ShortList<Testimony, kMostTestimonies> testimonies;
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

// What the program calls the matters of a house, 1 to 12: "money and goods".
[[nodiscard]] std::string_view houseMatters(int house) noexcept;

// A question of the topic, as a sentence says it: "life", "money", "a child", "a thing lost".
[[nodiscard]] std::string_view questionOf(geomancy::Topic topic) noexcept;

}  // namespace handbook
