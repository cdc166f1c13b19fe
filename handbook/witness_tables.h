// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "book.h"
#include "figure_mask.h"
#include "topic.h"

// Chapter IV: the Tables of Witnesses and Judge (pp. 145-153). A block for each Left Witness, a
// column for each of the eight Right Witnesses it can meet, each column the Judge they make and
// its answer under the ten heads: Life, Money, Rank, Property, Wife, Sex of Child, Sickness,
// Prison, Journey, Thing Lost (the topics, in their order). A number in a cell, or "Asc.", sends
// the question to the figure in that house.
namespace handbook {

// What a cell answers, on a closed set for each head.
enum class Answer : std::uint8_t {
  // Life, Money, Rank, Property, Wife, Journey
  VeryGood,
  Good,
  Moderate,
  Evil,
  VeryEvil,
  // Sex of Child
  Son,
  Daughter,
  // Sickness
  Recovery,
  Danger,
  Death,
  // Prison
  Release,
  LateRelease,
  Held,
  DiesThere,
  Uncertain,
  // Thing Lost
  Found,
  PartFound,
  NotFound,
  // Any head: judge by the figure in the cell's house
  ByHouse,
  // A cell that answers nothing its head asks (a misprint)
  Unanswered,
};

[[nodiscard]] Leaning leaningOf(Answer answer) noexcept;
// Whether the answer is one of those `topic`'s head gives.
[[nodiscard]] bool answers(geomancy::Topic topic, Answer answer) noexcept;

struct HeadAnswer {
  std::string_view printed;  // as printed, its lines joined: "Perilous", "Come out"
  Answer answer;
  std::int8_t house = 0;  // for ByHouse
};

struct WitnessColumn {
  geomancy::FigureMask right;  // as drawn
  geomancy::FigureMask judge;  // as drawn
  std::array<HeadAnswer, geomancy::kTopicCount> heads;
  // Empty, or what is wrong in the print and how the program reads it.
  std::string_view misprint;
};

struct WitnessBlock {
  geomancy::FigureMask left;
  std::uint16_t page;
  std::array<WitnessColumn, 8> columns;
};

inline constexpr std::size_t kWitnessColumns = 128;  // eight to each of the sixteen blocks

// The sixteen blocks in the book's order, Populus first.
[[nodiscard]] const std::array<WitnessBlock, 16>& witnessBlocks() noexcept;

// The column of this pair of Witnesses, found by the Judge they make: the one misdrawn Right
// Witness (Left Witness Puer, column 2) is found all the same.
struct WitnessesFound {
  const WitnessBlock* block;
  const WitnessColumn* column;
};
[[nodiscard]] WitnessesFound witnessesOf(geomancy::FigureMask right,
                                         geomancy::FigureMask left) noexcept;

// The column as one number, below kWitnessColumns: eight a block, the blocks in the book's order.
[[nodiscard]] std::size_t columnNumber(const WitnessesFound& found) noexcept;

}  // namespace handbook
