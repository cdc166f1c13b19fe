// SPDX-License-Identifier: MIT
// The method's steps where a chart takes them off the common road: a table that sends the
// question to a house, a figure that springs into other houses, a cell that names the topic's
// matter or refers to another house, the fourth house as the house of the demand, a question
// without a topic. Each case is found among all charts, not built by hand.
#include "judgement.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "attributions.h"
#include "chart_analysis.h"
#include "house_meanings.h"

namespace {

using geomancy::FigureMask;
using geomancy::Topic;
using handbook::Leaning;
using handbook::Step;

struct Judged {
  geomancy::ChartAnalysis analysis;
  handbook::Judgement judgement;

  [[nodiscard]] const handbook::Testimony& step(Step step, int which = 0) const {
    for (const handbook::Testimony& testimony : judgement.testimonies) {
      if (testimony.step == step && which-- == 0) return testimony;
    }
    throw std::logic_error("no such step");
  }
};

std::string saying(const handbook::Testimony& testimony) {
  std::string out;
  for (const std::string_view piece : testimony.says) out += piece;
  return out;
}

// The first chart, judged for the topic and house, that `wanted` accepts.
std::optional<Judged> firstChart(std::optional<Topic> topic, int quesited,
                                 const std::function<bool(const Judged&)>& wanted) {
  Judged judged;
  for (std::uint32_t set = 0; set < 65536; ++set) {
    const std::array<FigureMask, 4> mothers{
        static_cast<FigureMask>(set & 0xF), static_cast<FigureMask>(set >> 4 & 0xF),
        static_cast<FigureMask>(set >> 8 & 0xF), static_cast<FigureMask>(set >> 12 & 0xF)};
    geomancy::AnalysisRequest request{.topic = topic, .reading = true};
    if (quesited != 0) request.question = geomancy::QuestionHouses{1, quesited};
    geomancy::analyseReading(geomancy::readingOf(geomancy::shieldMasks(mothers)), request,
                             judged.analysis);
    handbook::judge(judged.analysis, judged.judgement);
    if (judged.judgement.fit && wanted(judged)) return judged;
  }
  return std::nullopt;
}

bool sentToHouse(const Judged& judged, Topic topic) {
  return judged.judgement.witnesses.column->heads[static_cast<std::size_t>(topic)].answer ==
         handbook::Answer::ByHouse;
}

TEST(Judgement, FollowsTheTablesToTheHouseTheyName) {
  // For a child, the sex of the figure there (chapter I) answers, and leans neither way.
  const auto child =
      firstChart(Topic::Child, 5, [](const Judged& j) { return sentToHouse(j, Topic::Child); });
  ASSERT_TRUE(child);
  const handbook::Testimony& sex = child->step(Step::WitnessesAndJudge);
  ASSERT_EQ(sex.houses.size(), 1u);
  const FigureMask there = child->analysis.houseFigure(sex.houses[0]);
  EXPECT_EQ(sex.figures[3], there);
  const bool male = handbook::attributionOf(there).sex == handbook::Sex::Male;
  EXPECT_NE(saying(sex).find(male ? "a son." : "a daughter."), std::string::npos) << saying(sex);
  EXPECT_EQ(sex.leaning, Leaning::Neither);
  // For sickness, the meaning of the figure in that house (chapter V) leans.
  const auto sickness = firstChart(Topic::Sickness, 6,
                                   [](const Judged& j) { return sentToHouse(j, Topic::Sickness); });
  ASSERT_TRUE(sickness);
  const handbook::Testimony& followed = sickness->step(Step::WitnessesAndJudge);
  const int house = followed.houses[0];
  EXPECT_EQ(followed.leaning, handbook::leaningOf(handbook::verdictFor(
                                  handbook::meaningIn(sickness->analysis.houseFigure(house), house),
                                  Topic::Sickness)));
}

TEST(Judgement, NamesEveryHouseTheFigureSpringsInto) {
  const auto springs = firstChart(Topic::Money, 2, [](const Judged& j) {
    int others = 0;
    for (int house = 3; house <= 12; ++house)
      others += j.analysis.houseFigure(house) == j.analysis.houseFigure(2);
    return others >= 2;
  });
  ASSERT_TRUE(springs);
  const handbook::Testimony& figure = springs->step(Step::FigureInHouse);
  ASSERT_GE(figure.houses.size(), 3u);
  const std::string said = saying(figure);
  for (std::size_t i = 1; i < figure.houses.size(); ++i) {
    EXPECT_EQ(springs->analysis.houseFigure(figure.houses[i]), figure.figures[0]);
    EXPECT_NE(said.find("house " + std::to_string(figure.houses[i]) + " ("), std::string::npos)
        << said;
  }
  EXPECT_NE(said.find(") and house "), std::string::npos) << said;
}

TEST(Judgement, ReadsTheTopicsMatterAndTheHouseACellRefersTo) {
  // Amissio in the second: very evil for money, which the cell names.
  const auto named = firstChart(Topic::Money, 2, [](const Judged& j) {
    return j.analysis.houseFigure(2) == handbook::drawn("1212");
  });
  ASSERT_TRUE(named);
  const handbook::Testimony& meaning = named->step(Step::MeaningInHouse);
  EXPECT_NE(saying(meaning).find("For a question of money"), std::string::npos);
  EXPECT_EQ(meaning.leaning, Leaning::Against);
  // Acquisitio in the sixth bids the reader compare the fifth.
  const auto refers = firstChart(Topic::Sickness, 6, [](const Judged& j) {
    return j.analysis.houseFigure(6) == handbook::drawn("2121");
  });
  ASSERT_TRUE(refers);
  const handbook::Testimony& compared = refers->step(Step::MeaningInHouse);
  EXPECT_EQ(compared.houses[1], 5);
  EXPECT_EQ(compared.figures[1], refers->analysis.houseFigure(5));
}

TEST(Judgement, TheFourthHouseOfTheDemandEndsTheMatterOnce) {
  const auto property = firstChart(Topic::Property, 4, [](const Judged&) { return true; });
  ASSERT_TRUE(property);
  const handbook::Testimony& end = property->step(Step::EndOfMatter);
  EXPECT_EQ(end.leaning, Leaning::Neither);
  EXPECT_NE(saying(end).find("the house of the demand itself"), std::string::npos);
}

TEST(Judgement, WithoutATopicTheJudgeJudges) {
  const auto noTopic = firstChart(std::nullopt, 7, [](const Judged&) { return true; });
  ASSERT_TRUE(noTopic);
  const handbook::Testimony& witnesses = noTopic->step(Step::WitnessesAndJudge);
  EXPECT_EQ(witnesses.source.chapter, 2);
  EXPECT_EQ(witnesses.source.page, 143);
  EXPECT_NE(saying(witnesses).find("as the Judge is, so is the chart"), std::string::npos);
  EXPECT_EQ(noTopic->judgement.testimonies.size(), 8u);  // no Part of Fortune
}

}  // namespace
