// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli_test_support.h"
#include "json_writer.h"

namespace {

constexpr std::string_view kWorkedMothers = "1122,2111,1221,2221";

TEST(ReadingOutput, WorkedChartAsJson) {
  const CastRun run = runCast({"--json", "--mothers", kWorkedMothers});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            R"({"mothers":[[1,1,2,2],[2,1,1,1],[1,2,2,1],[2,2,2,1]],)"
            R"("daughters":[[1,2,1,2],[1,1,2,2],[2,1,2,2],[2,1,1,1]],)"
            R"("nieces":[[1,2,1,1],[1,2,2,2],[2,1,1,2],[2,2,1,1]],)"
            R"("witnesses":[[2,2,1,1],[2,1,2,1]],"judge":[2,1,1,2],"reconciler":[1,2,1,2],)"
            R"("figure":{"key":"CONJUNCTIO","name":"Conjunctio - Union","keyword":"Interaction",)"
            R"("day":"Wednesday","element":"Earth","quality":"Mobile","planet":"Mercury",)"
            R"("sign":"Virgo","body_part":"Intestines","direction":"East",)"
            R"("significance":"There may be some heavy weight of problems on your head. )"
            R"(You will be protected from enemies and thieves. You will be successful in )"
            R"(relationships, partnerships or new ventures."}})"
            "\n");
}

// Drawn by hand from the worked chart: the chart is read from right to left.
TEST(ReadingOutput, WorkedChartAsPlainText) {
  const CastRun run = runCast({"--mothers", kWorkedMothers});
  ASSERT_EQ(run.status, 0);
  EXPECT_TRUE(run.out.starts_with(
      "The Shield chart, read from right to left\n"
      "\n"
      "               Daughters                                Mothers\n"
      "    4         3         2         1         4         3         2         1\n"
      "   * *       * *        *         *        * *        *        * *        *\n"
      "    *         *         *        * *       * *       * *        *         *\n"
      "    *        * *       * *        *        * *       * *        *        * *\n"
      "    *        * *       * *       * *        *         *         *        * *\n"))
      << run.out;
  const auto judge =
      run.out.find("                                     Judge             Reconciler\n");
  ASSERT_NE(judge, std::string::npos) << run.out;
  EXPECT_TRUE(run.out.substr(judge).find(
                  "\n                                      * *                  *\n"
                  "                                       *                  * *\n") !=
              std::string::npos);
  EXPECT_NE(run.out.find("Mother 1      Fortuna Minor - The Lesser Fortune\n"), std::string::npos);
  EXPECT_NE(run.out.find("Reconciler    Amissio - Loss\n\n"), std::string::npos);
  EXPECT_TRUE(run.out.ends_with(
      "\nJudge:        Conjunctio - Union\n"
      "Keyword:      Interaction\n"
      "Day:          Wednesday\n"
      "Element:      Earth\n"
      "Quality:      Mobile\n"
      "Planet:       Mercury\n"
      "Sign:         Virgo\n"
      "Body part:    Intestines\n"
      "Direction:    East\n"
      "Significance: There may be some heavy weight of problems on your head. You will be "
      "protected from enemies and thieves. You will be successful in relationships, "
      "partnerships or new ventures.\n"));
}

TEST(ReadingOutput, GivenMothersRepeatTheSameChart) {
  const CastRun one = runCast({"--json", "--mothers", kWorkedMothers});
  const CastRun three = runCast({"--json", "--mothers", kWorkedMothers, "--readings", "3"});
  EXPECT_EQ(three.out, one.out + one.out + one.out);

  const std::string single = runCast({"--mothers", kWorkedMothers}).out;
  const CastRun plain = runCast({"--mothers", kWorkedMothers, "--readings", "2"});
  EXPECT_EQ(plain.out, "Reading 1 of 2\n\n" + single + "\nReading 2 of 2\n\n" + single);
}

TEST(ReadingOutput, SeedRepeatsARunAndDifferentSeedsDiffer) {
  const CastRun first = runCast({"--json", "--readings", "50", "--seed", "12345"});
  const CastRun again = runCast({"--json", "--readings", "50", "--seed=12345"});
  const CastRun other = runCast({"--json", "--readings", "50", "--seed", "12346"});
  EXPECT_EQ(first.out, again.out);
  EXPECT_NE(first.out, other.out);
  // Fifty readings of one run are not one chart repeated.
  const auto lines = splitLines(first.out);
  ASSERT_EQ(lines.size(), 50u);
  EXPECT_NE(lines[0], lines[1]);

  EXPECT_EQ(runCast({"--seed", "9"}).out, runCast({"--seed", "9"}).out);
}

TEST(ReadingOutput, UnwritableOutputIsReported) {
  std::ostringstream out;
  std::ostringstream err;
  out.setstate(std::ios::badbit);
  const std::vector<std::string_view> arguments{"--seed", "1"};
  EXPECT_EQ(qxcast::runCaster(arguments, out, err), qxcast::kExitOutputFailed);
  EXPECT_EQ(err.str(), "qxgeomancy-cast: cannot write the output\n");
}

TEST(JsonEscaping, EscapesQuotesBackslashesAndControlCharacters) {
  const auto escaped = [](std::string_view text) {
    std::string out;
    formats::appendJsonString(out, text);
    return out;
  };
  EXPECT_EQ(escaped(R"(Say "Via")"), R"("Say \"Via\"")");
  EXPECT_EQ(escaped(R"(C:\dir)"), R"("C:\\dir")");
  EXPECT_EQ(escaped("a\nb\tc\rd\be\ff"), R"("a\nb\tc\rd\be\ff")");
  EXPECT_EQ(escaped(std::string_view("\x00\x01\x1f\x7f", 4)), R"("\u0000\u0001\u001f)"
                                                              "\x7f\"");
  EXPECT_EQ(escaped("Geomantie \xE2\x80\x93 Gr\xC3\xBC\xC3\x9F"
                    "e"),
            "\"Geomantie \xE2\x80\x93 Gr\xC3\xBC\xC3\x9F"
            "e\"");

  // Every byte value comes back unchanged through an independent reader.
  std::string everyByte;
  for (int byte = 0; byte < 256; ++byte) everyByte += static_cast<char>(byte);
  const JsonValue parsed = JsonReader::parse(escaped(everyByte));
  EXPECT_EQ(parsed.string, everyByte);
}

}  // namespace
