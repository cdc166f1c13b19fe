// SPDX-License-Identifier: MIT
// The reading in words written for every chart: its JSON read back by the journal's own reader
// says what the judgement says, and its plain text keeps within 80 columns.
#include <gtest/gtest.h>

#include <string>

#include "chart_text.h"
#include "json_value.h"
#include "judgement.h"
#include "judgement_text.h"
#include "reading_json.h"

namespace {

using journal::JsonValue;

TEST(JudgementOutput, EveryChartIsWrittenWhole) {
  geomancy::ChartAnalysis analysis;
  handbook::Judgement judgement;
  formats::TextBuffer line;
  std::string text;
  for (std::uint32_t set = 0; set < 65536; set += 3) {
    const std::array<geomancy::FigureMask, 4> mothers{
        static_cast<geomancy::FigureMask>(set & 0xF),
        static_cast<geomancy::FigureMask>(set >> 4 & 0xF),
        static_cast<geomancy::FigureMask>(set >> 8 & 0xF),
        static_cast<geomancy::FigureMask>(set >> 12 & 0xF)};
    // Every topic and none, both orders, and a quesited's house from 2 to 12 where there is none.
    geomancy::AnalysisRequest request{
        .houses = set % 2 == 0,
        .order = set % 4 < 2 ? geomancy::HouseOrder::Traditional : geomancy::HouseOrder::GoldenDawn,
        .reading = true};
    const int topic = static_cast<int>(set % 11);
    if (topic < geomancy::kTopicCount) request.topic = static_cast<geomancy::Topic>(topic);
    if (topic != 0) {
      request.question = geomancy::QuestionHouses{1, 2 + static_cast<int>(set / 11 % 11)};
    }
    geomancy::analyseReading(geomancy::readingOf(geomancy::shieldMasks(mothers)), request,
                             analysis);
    handbook::judge(analysis, judgement);

    line.clear();
    formats::appendJsonLine(line, analysis, "q", nullptr, &judgement);
    const journal::JsonParse parsed = journal::parseJson(line.view());
    ASSERT_TRUE(parsed.ok()) << set << ": " << parsed.fault;
    const JsonValue* reading = parsed.value.member("reading");
    ASSERT_NE(reading, nullptr);
    const JsonValue* testimonies = reading->member("testimonies");
    ASSERT_EQ(testimonies->items.size(), judgement.testimonies.size()) << set;
    for (std::size_t i = 0; i < testimonies->items.size(); ++i) {
      ASSERT_EQ(testimonies->items[i].member("says")->text,
                formats::saying(judgement.testimonies[i]))
          << set;
    }
    ASSERT_EQ(parsed.value.member("meanings")->items.size(), 12u);
    ASSERT_EQ(parsed.value.members.back().first, "question");

    text.clear();
    formats::appendJudgementPlain(text, analysis, judgement);
    for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
      end = text.find('\n', start);
      ASSERT_LE(end - start, 80u) << set << ": " << text.substr(start, end - start);
    }
  }
}

}  // namespace
