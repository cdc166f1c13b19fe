// SPDX-License-Identifier: MIT
// The handbook's tables as carried in: whole and cited, held to the printed pages where checked,
// the Judges to the Witnesses they are made of, the dignities to their rule; and its method
// judging every chart without contradicting itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "attributions.h"
#include "catalogue.h"
#include "chart_analysis.h"
#include "dignities.h"
#include "house_meanings.h"
#include "judgement.h"
#include "witness_tables.h"

namespace {

using geomancy::FigureMask;
using geomancy::Topic;
using handbook::Answer;
using handbook::Verdict;

std::string nameOf(FigureMask figure) {
  return std::string(geomancy::entryForMask(figure).latinName);
}

int points(FigureMask figure) {
  return 8 - std::popcount(static_cast<unsigned>(figure));
}

TEST(HandbookTables, EveryCellIsThereAndCitedAndAnswersItsHead) {
  std::set<FigureMask> lefts;
  for (const handbook::WitnessBlock& block : handbook::witnessBlocks()) {
    SCOPED_TRACE(nameOf(block.left));
    lefts.insert(block.left);
    EXPECT_GE(block.page, 145);
    EXPECT_LE(block.page, 153);
    for (const handbook::WitnessColumn& column : block.columns) {
      for (int topic = 0; topic < geomancy::kTopicCount; ++topic) {
        const handbook::HeadAnswer& head = column.heads[static_cast<std::size_t>(topic)];
        EXPECT_FALSE(head.printed.empty());
        EXPECT_TRUE(handbook::answers(static_cast<Topic>(topic), head.answer))
            << head.printed << " under head " << topic;
        EXPECT_EQ(head.answer == Answer::ByHouse, head.house >= 1 && head.house <= 12);
      }
    }
  }
  EXPECT_EQ(lefts.size(), 16u);

  std::set<FigureMask> figures;
  for (const handbook::FigureMeanings& meanings : handbook::figureMeanings()) {
    SCOPED_TRACE(nameOf(meanings.figure));
    figures.insert(meanings.figure);
    EXPECT_GE(meanings.page, 154);
    EXPECT_LE(meanings.page, 156);
    for (int house = 0; house <= 12; ++house) {
      const handbook::HouseMeaning& cell =
          house == 0 ? meanings.general : meanings.houses[static_cast<std::size_t>(house - 1)];
      EXPECT_FALSE(cell.printed.empty()) << house;
      EXPECT_TRUE(cell.says.ends_with('.')) << house;
      EXPECT_LE(cell.refersTo, 12);
      // The book destroys a chart only for Rubeus and Cauda Draconis in the Ascendant.
      const std::string name = nameOf(meanings.figure);
      EXPECT_EQ(cell.verdict == Verdict::Destroy,
                house == 1 && (name == "Rubeus" || name == "Cauda Draconis"));
    }
  }
  EXPECT_EQ(figures.size(), 16u);
  std::set<FigureMask> attributed;
  for (const handbook::Attribution& row : handbook::attributions()) attributed.insert(row.figure);
  EXPECT_EQ(attributed.size(), 16u);
}

// Each block holds the eight Right Witnesses that make a Judge (an even figure) with its Left
// Witness, and each Judge is the two Witnesses added; the print fails at one column only.
TEST(HandbookTables, EveryJudgeIsTheSumOfItsWitnessesButOneMisprint) {
  std::vector<std::string> misdrawn;
  for (const handbook::WitnessBlock& block : handbook::witnessBlocks()) {
    std::set<FigureMask> judges;
    for (std::size_t at = 0; at < block.columns.size(); ++at) {
      const handbook::WitnessColumn& column = block.columns[at];
      judges.insert(column.judge);
      EXPECT_EQ(points(column.judge) % 2, 0);
      if (geomancy::addMasks(block.left, column.right) != column.judge) {
        misdrawn.push_back(nameOf(block.left) + " " + std::to_string(at + 1));
        EXPECT_FALSE(column.misprint.empty());
      }
    }
    EXPECT_EQ(judges.size(), 8u) << nameOf(block.left);
  }
  EXPECT_EQ(misdrawn, std::vector<std::string>{"Puer 2"});
  // Every pair of Witnesses a chart can have finds its column, the misdrawn one too.
  for (int left = 0; left < geomancy::kMaskCount; ++left) {
    for (int right = 0; right < geomancy::kMaskCount; ++right) {
      const auto judge =
          geomancy::addMasks(static_cast<FigureMask>(left), static_cast<FigureMask>(right));
      if (points(judge) % 2 != 0) continue;
      const handbook::WitnessesFound found =
          handbook::witnessesOf(static_cast<FigureMask>(right), static_cast<FigureMask>(left));
      EXPECT_EQ(found.block->left, left);
      EXPECT_EQ(found.column->judge, judge);
    }
  }
}

// Cells read off the printed pages by hand, away from the transcription the tables came from.
TEST(HandbookTables, AgreeWithThePrintedPagesWhereChecked) {
  struct Printed {
    const char* left;
    int column;
    Topic topic;
    std::uint16_t page;
    const char* text;
    Answer answer;
  };
  const Printed kChapterFour[] = {
      {"Populus", 1, Topic::Child, 145, "5#", Answer::ByHouse},
      {"Laetitia", 2, Topic::Sickness, 146, "11", Answer::ByHouse},
      {"Tristitia", 1, Topic::Money, 148, "Med.", Answer::Moderate},
      {"Puer", 1, Topic::Prison, 149, "Well out", Answer::Release},
      {"Cauda Draconis", 7, Topic::Child, 150, "Son and live", Answer::Son},
      {"Carcer", 8, Topic::Lost, 152, "Be found", Answer::Found},
      {"Fortuna Minor", 4, Topic::Prison, 153, "Long in prison", Answer::Held},
  };
  for (const Printed& cell : kChapterFour) {
    SCOPED_TRACE(std::string(cell.left) + " " + std::to_string(cell.column));
    const auto& blocks = handbook::witnessBlocks();
    const auto block = std::find_if(blocks.begin(), blocks.end(),
                                    [&](const auto& b) { return nameOf(b.left) == cell.left; });
    ASSERT_NE(block, blocks.end());
    EXPECT_EQ(block->page, cell.page);
    const handbook::HeadAnswer& head = block->columns[static_cast<std::size_t>(cell.column - 1)]
                                           .heads[static_cast<std::size_t>(cell.topic)];
    EXPECT_EQ(head.printed, cell.text);
    EXPECT_EQ(head.answer, cell.answer);
  }
  const struct {
    const char* rows;
    int house;
    const char* text;
    Verdict verdict;
    int refersTo;
  } kChapterFive[] = {
      {"1221", 2, "Good in Saturnian questions, otherwise evil", Verdict::Evil, 0},
      {"2211", 4, "Good in all but melancholy", Verdict::Good, 0},
      {"1212", 1, "Ill in all but for prisoners", Verdict::Evil, 0},
      {"2121", 6, "Good, esp. agreeing with 5th", Verdict::Good, 5},
      {"1122", 9, "Good, but chloeric", Verdict::Good, 0},
      {"2122", 1, "Destroy the figure", Verdict::Destroy, 0},
  };
  for (const auto& cell : kChapterFive) {
    const handbook::HouseMeaning& meaning =
        handbook::meaningIn(handbook::drawn(cell.rows), cell.house);
    EXPECT_EQ(meaning.printed, cell.text);
    EXPECT_EQ(meaning.verdict, cell.verdict) << cell.text;
    EXPECT_EQ(meaning.refersTo, cell.refersTo) << cell.text;
  }
  // Chapter I: Caput Draconis takes the dignities of Jupiter and Venus (p. 157).
  const handbook::Attribution& caput = handbook::attributionOf(handbook::drawn("2111"));
  EXPECT_EQ(caput.planets, (std::array{handbook::Planet::Jupiter, handbook::Planet::Venus}));
  EXPECT_EQ(caput.page, 142);
}

// The figures a printed cell of the dignities names, or nothing when the cell is corrupt.
std::optional<std::set<FigureMask>> printedFigures(std::string_view cell) {
  std::set<FigureMask> figures;
  if (cell == "---") return figures;
  std::string text(cell);
  std::replace(text.begin(), text.end(), ',', ' ');
  std::istringstream words(text);
  for (std::string word; words >> word;) {
    if (word.size() != 4 || word.find_first_not_of("12") != std::string::npos) return std::nullopt;
    figures.insert(handbook::drawn(word));
  }
  return figures;
}

// The strength of a figure follows the chapter's rule; the printed table differs from it in the
// cells docs/reading-a-chart.md lists, and nowhere else.
TEST(Dignities, FollowTheRuleAndDifferFromThePrintOnlyWhereListed) {
  using handbook::Dignity;
  std::set<std::pair<int, Dignity>> differing;
  for (int house = 1; house <= 12; ++house) {
    for (int at = 0; at < handbook::kDignityCount; ++at) {
      const auto dignity = static_cast<Dignity>(at);
      std::set<FigureMask> ruled;
      for (int figure = 0; figure < geomancy::kMaskCount; ++figure) {
        if (handbook::dignitiesOf(static_cast<FigureMask>(figure), house) &
            handbook::dignityBit(dignity)) {
          ruled.insert(static_cast<FigureMask>(figure));
        }
      }
      const auto& cell = handbook::printedDignities()[static_cast<std::size_t>(house - 1)];
      EXPECT_EQ(cell.page, house <= 3 ? 157 : 158);
      if (printedFigures(cell.cells[static_cast<std::size_t>(at)]) != ruled) {
        differing.insert({house, dignity});
      }
    }
  }
  const std::set<std::pair<int, Dignity>> kListed{
      {1, Dignity::Detriment},   {3, Dignity::Triplicity},  {3, Dignity::Exaltation},
      {4, Dignity::Exaltation},  {7, Dignity::Exaltation},  {9, Dignity::Exaltation},
      {10, Dignity::Exaltation}, {12, Dignity::Exaltation}, {1, Dignity::Fall},
      {3, Dignity::Fall},        {4, Dignity::Fall},        {6, Dignity::Fall},
      {9, Dignity::Fall},        {10, Dignity::Fall}};
  EXPECT_EQ(differing, kListed);
  // Carcer in the second house has no dignity: "strength for evil, medium only" (p. 160).
  EXPECT_EQ(handbook::strengthOf(handbook::dignitiesOf(handbook::drawn("1221"), 2)),
            handbook::Strength::Middling);
}

// Every chart judged for a question of money, in either order, and without a house: the method
// holds to its own rules whatever the figures.
TEST(Judgement, EveryChartIsJudgedByItsOwnRules) {
  geomancy::ChartAnalysis analysis;
  handbook::Judgement judgement;
  for (std::uint32_t set = 0; set < 65536; set += 1) {
    const std::array<FigureMask, 4> mothers{
        static_cast<FigureMask>(set & 0xF), static_cast<FigureMask>(set >> 4 & 0xF),
        static_cast<FigureMask>(set >> 8 & 0xF), static_cast<FigureMask>(set >> 12 & 0xF)};
    geomancy::AnalysisRequest request{
        .order = set % 2 ? geomancy::HouseOrder::GoldenDawn : geomancy::HouseOrder::Traditional,
        .reading = true};
    if (set % 3 != 0) {
      request.topic = Topic::Money;
      request.question = geomancy::QuestionHouses{1, 2};
    }
    geomancy::analyseReading(geomancy::readingOf(geomancy::shieldMasks(mothers)), request,
                             analysis);
    handbook::judge(analysis, judgement);
    ASSERT_EQ(judgement.fit, !analysis.halted) << set;
    const std::size_t expected = !judgement.fit || set % 3 == 0 ? 1 : 9;
    ASSERT_EQ(judgement.testimonies.size(), expected) << set;
    const handbook::Balance& balance = judgement.balance;
    ASSERT_EQ(static_cast<std::size_t>(balance.leaningFor + balance.leaningAgainst +
                                       balance.leaningNeither),
              expected);
    int step = 0;
    for (const handbook::Testimony& testimony : judgement.testimonies) {
      ASSERT_GE(static_cast<int>(testimony.step), step) << set;
      step = static_cast<int>(testimony.step);
      ASSERT_FALSE(testimony.says.empty());
      for (const std::string_view piece : testimony.says) ASSERT_FALSE(piece.empty()) << set;
      ASSERT_GE(testimony.source.chapter, 2);
    }
    if (expected == 9) {
      // Never more sure than the testimonies: a summary leans as the counts do.
      const std::string summary(balance.summary);
      ASSERT_EQ(summary.find("for the querent") != std::string::npos,
                balance.leaningFor > balance.leaningAgainst)
          << summary;
      ASSERT_EQ(summary.starts_with("Every"),
                (balance.leaningFor == 0) != (balance.leaningAgainst == 0))
          << summary;
    }
  }
}

}  // namespace
