// SPDX-License-Identifier: MIT
// The reading in words: the handbook's own worked judgement (Liber Gaias, chapter VII) as the
// caster gives it, in JSON and in plain text.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "cli_test_support.h"

namespace {

using Arguments = std::vector<std::string_view>;

// Chapter II's sixteen lines of marks, 15 15 16 14, 15 16 15 14, 12 6 9 7, 10 11 10 10: odd counts
// a point, even two.
constexpr std::string_view kBookMothers = "1122,1212,2211,2122";

std::vector<std::string> strings(const JsonValue& list) {
  std::vector<std::string> out;
  for (const JsonValue& item : list.array) {
    out.push_back(item.string.empty() ? std::to_string(static_cast<int>(item.number))
                                      : item.string);
  }
  return out;
}

// Chapter VII judges the chart of p. 144 for a loss of money in business: the Witnesses and Judge
// say moderate; Carcer in the second, evil, obstacle and delay, springing into no other house,
// its strength for evil middling; the figures sextile and trine to the second good and friendly;
// those quartile and opposite not hostile; Fortuna Major in the fourth, a good end with anxiety;
// the Reconciler Carcer again, delay that helps; the Part of Fortune in the Ascendant with
// Amissio, loss through the querent's own blunders.
TEST(ReadingInWords, JudgesTheHandbooksOwnExampleAsTheHandbookDoes) {
  const CastRun run = runCast({"--mothers", kBookMothers, "--order", "golden-dawn", "--topic",
                               "money", "--reading", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const JsonValue line = JsonReader::parse(run.out.substr(0, run.out.size() - 1));
  const JsonValue& reading = line["reading"];
  EXPECT_EQ(reading["topic"].string, "money");
  EXPECT_EQ(reading["house"].number, 2);
  EXPECT_EQ(reading["order"].string, "golden-dawn");
  EXPECT_EQ(reading["heads"]["money"].string, "Med.");

  struct Expected {
    int step;
    const char* leaning;
    std::vector<std::string> houses;
    std::vector<std::string> figures;
    std::vector<const char*> says;
  };
  const std::vector<Expected> expected{
      {1, "neither", {"1"}, {"AMISSIO"}, {"fit to be judged"}},
      {2, "neither", {}, {"TRISTITIA", "TRISTITIA", "POPULUS"}, {"'Med.': moderate"}},
      {3, "neither", {"2"}, {"CARCER"}, {"springs into no other house", "middling strength"}},
      {4, "against", {"2"}, {"CARCER"}, {"as evil", "delay"}},
      {5,
       "for",
       {"12", "4", "10", "6"},
       {"CONJUNCTIO", "FORTUNA MAJOR", "FORTUNA MINOR", "ACQUISITIO"},
       {"good, friendly to Carcer", "none is hostile"}},
      {5,
       "for",
       {"11", "5", "8"},
       {"FORTUNA MINOR", "CONJUNCTIO", "ALBUS"},
       {"None of them is hostile to Carcer"}},
      {6, "for", {"4"}, {"FORTUNA MAJOR"}, {"as good", "gloom"}},
      {7, "for", {"2"}, {"CARCER", "POPULUS", "CARCER"}, {"Carcer again", "agrees with both"}},
      {8, "against", {"1"}, {"AMISSIO"}, {"money lost, through the querent's own doing"}},
  };
  const std::vector<JsonValue>& testimonies = reading["testimonies"].array;
  ASSERT_EQ(testimonies.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i + 1);
    const JsonValue& testimony = testimonies[i];
    EXPECT_EQ(testimony["step"].number, expected[i].step);
    EXPECT_EQ(testimony["leaning"].string, expected[i].leaning);
    EXPECT_EQ(strings(testimony["houses"]), expected[i].houses);
    EXPECT_EQ(strings(testimony["figures"]), expected[i].figures);
    for (const char* words : expected[i].says) {
      EXPECT_NE(testimony["says"].string.find(words), std::string::npos)
          << words << " in " << testimony["says"].string;
    }
    EXPECT_GE(testimony["source"]["page"].number, 143);
  }
  EXPECT_EQ(reading["balance"]["for"].number, 4);
  EXPECT_EQ(reading["balance"]["against"].number, 2);
  EXPECT_EQ(reading["balance"]["neither"].number, 3);
  // The twelve houses' meanings stand beside the houses, house 1 first, as the order places them.
  const std::vector<JsonValue>& meanings = line["meanings"].array;
  ASSERT_EQ(meanings.size(), 12u);
  EXPECT_EQ(meanings[1]["figure"].string, "CARCER");
  EXPECT_EQ(meanings[1]["verdict"].string, "evil");
  EXPECT_EQ(meanings[1]["matters"].array[0]["matter"].string, "saturnian");

  // The plain text says the same, after the houses; without --reading nothing of it is there.
  const CastRun plain = runCast(
      {"--mothers", kBookMothers, "--order", "golden-dawn", "--topic", "money", "--reading"});
  const std::string::size_type words = plain.out.find("Reading by the method of Liber Gaias");
  ASSERT_NE(words, std::string::npos);
  EXPECT_LT(plain.out.find("Denial: the chart does not perfect."), words);
  EXPECT_NE(plain.out.find("  Balance: 4 for, 2 against, 3 neither\n"), std::string::npos);
  for (const std::string& text : splitLines(plain.out.substr(words))) {
    EXPECT_LE(text.size(), 80u) << text;
  }
  EXPECT_EQ(runCast({"--mothers", kBookMothers, "--order", "golden-dawn", "--topic", "money"})
                .out.find("Reading by"),
            std::string::npos);
}

// The book's order is said wherever the houses are: in the text, the JSON line, the picture and
// the odds; its Index names figure II and stands in the Ascendant.
TEST(ReadingInWords, TheGoldenDawnsOrderIsSaidWhereverTheHousesAre) {
  const std::string svg =
      (std::filesystem::temp_directory_path() / "qxg-golden-dawn-test.svg").string();
  const CastRun plain =
      runCast({"--mothers", kBookMothers, "--order", "golden-dawn", "--houses", "--svg", svg});
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_NE(plain.out.find("Houses, the figures placed in the Golden Dawn's order\n"
                           "   1  Amissio - Loss (Mother 2)\n"),
            std::string::npos);
  EXPECT_NE(plain.out.find("Index: 74 points, figure II, in house 1\n"), std::string::npos);
  const std::string drawn = [&svg] {
    std::ifstream picture(svg);  // closed before the file goes: Windows keeps an open file
    return std::string{std::istreambuf_iterator<char>(picture), {}};
  }();
  std::filesystem::remove(svg);
  EXPECT_NE(drawn.find("The house chart, in the Golden Dawn&apos;s order"), std::string::npos);
  const std::string counted = runCast({"--odds", "--json", "--order", "golden-dawn"}).out;
  const JsonValue odds = JsonReader::parse(counted.substr(0, counted.size() - 1));
  EXPECT_EQ(odds["order"].string, "golden-dawn");
  EXPECT_EQ(odds["index"]["4"].number, 0);  // even figures only, in houses 1, 7, 2, 8, 3 and 9
  EXPECT_GT(odds["index"]["1"].number, 0);
}

// Without a house of the demand the method judges only whether the chart is fit, and says it needs
// a house; a halted chart is judged no further.
TEST(ReadingInWords, JudgesNoFurtherWithoutAHouseOrOnAHaltedChart) {
  const struct {
    Arguments arguments;
    std::size_t testimonies;
    const char* summary;
  } cases[] = {
      {{"--mothers", kBookMothers, "--reading", "--json"}, 1, "name the quesited's house"},
      {{"--mothers", "2122,1111,1111,1111", "--reading", "--quesited", "7", "--json"},
       1,
       "not fit to be judged"},
      {{"--mothers", kBookMothers, "--reading", "--topic", "life", "--json"}, 8, ""},
  };
  for (const auto& [arguments, count, summary] : cases) {
    const CastRun run = runCast(arguments);
    ASSERT_EQ(run.status, 0) << run.err;
    const JsonValue reading = JsonReader::parse(run.out.substr(0, run.out.size() - 1))["reading"];
    EXPECT_EQ(reading["testimonies"].array.size(), count) << arguments[1];
    EXPECT_NE(reading["balance"]["summary"].string.find(summary), std::string::npos);
  }
}

}  // namespace
