// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "arguments.h"
#include "caster.h"
#include "cli_test_support.h"
#include "count_up_to.h"
#include "user_text.h"

namespace {

using Arguments = std::vector<std::string_view>;

constexpr std::string_view kWorkedMothers = "1122,2111,1221,2221";

class BadArguments : public testing::TestWithParam<Arguments> {};

TEST_P(BadArguments, ExitWithStatusTwoAndOneLineOnStandardError) {
  const CastRun run = runCast(GetParam());
  EXPECT_EQ(run.status, qxcast::kExitBadArguments);
  EXPECT_EQ(run.out, "");
  ASSERT_FALSE(run.err.empty());
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  EXPECT_TRUE(run.err.starts_with("qxgeomancy-cast: ")) << run.err;
}

INSTANTIATE_TEST_SUITE_P(UnknownOrMalformed, BadArguments,
                         testing::Values(Arguments{"--bogus"}, Arguments{"-h"}, Arguments{"extra"},
                                         Arguments{"--json", "1"}, Arguments{"--json=yes"},
                                         Arguments{"--help=1"}, Arguments{"--bogus", "--help"}));

INSTANTIATE_TEST_SUITE_P(MissingValues, BadArguments,
                         testing::Values(Arguments{"--readings"}, Arguments{"--readings", "--json"},
                                         Arguments{"--readings="}, Arguments{"--seed"},
                                         Arguments{"--mothers"}, Arguments{"--mothers", ""}));

INSTANTIATE_TEST_SUITE_P(
    ReadingCounts, BadArguments,
    testing::Values(Arguments{"--readings", "0"}, Arguments{"--readings", "-3"},
                    Arguments{"--readings", "+5"}, Arguments{"--readings", "1e3"},
                    Arguments{"--readings", "12abc"}, Arguments{"--readings", " 12"},
                    Arguments{"--readings", "1.5"}, Arguments{"--readings", "0x10"},
                    Arguments{"--readings", "4294967297"},
                    Arguments{"--readings", "99999999999999999999999"}));

INSTANTIATE_TEST_SUITE_P(RepeatedOptions, BadArguments,
                         testing::Values(Arguments{"--json", "--json"},
                                         Arguments{"--json", "--readings", "2", "--json"},
                                         Arguments{"--readings=2", "--readings", "2"}));

INSTANTIATE_TEST_SUITE_P(Analyses, BadArguments,
                         testing::Values(Arguments{"--quesited", "1"},
                                         Arguments{"--quesited", "13"},
                                         Arguments{"--quesited", "7", "--querent", "0"},
                                         Arguments{"--quesited", "7", "--querent", "7"},
                                         Arguments{"--querent", "2"},
                                         Arguments{"--quesited", "7", "--quesited", "8"},
                                         Arguments{"--odds", "--seed", "1"},
                                         Arguments{"--odds", "--mothers", kWorkedMothers},
                                         Arguments{"--odds", "--readings", "1"},
                                         Arguments{"--svg", "a.svg", "--readings", "2"},
                                         Arguments{"--svg="}, Arguments{"--houses=yes"}));

INSTANTIATE_TEST_SUITE_P(Seeds, BadArguments,
                         testing::Values(Arguments{"--seed", "abc"}, Arguments{"--seed", "-1"},
                                         Arguments{"--seed", "1.0"},
                                         Arguments{"--seed", "18446744073709551616"},
                                         Arguments{"--seed", "1", "--seed", "2"}));

INSTANTIATE_TEST_SUITE_P(Mothers, BadArguments,
                         testing::Values(Arguments{"--mothers", "1123,2111,1221,2221"},
                                         Arguments{"--mothers", "0122,2111,1221,2221"},
                                         Arguments{"--mothers", "112,2111,1221,2221"},
                                         Arguments{"--mothers", "11222,2111,1221,2221"},
                                         Arguments{"--mothers", "1122,2111,1221"},
                                         Arguments{"--mothers", "1122,2111,1221,2221,1111"},
                                         Arguments{"--mothers", "1122,,1221,2221"},
                                         Arguments{"--mothers", "1122,2111,1221,2221,"},
                                         Arguments{"--mothers", "1122 2111 1221 2221"},
                                         Arguments{"--mothers", kWorkedMothers, "--mothers",
                                                   kWorkedMothers},
                                         Arguments{"--mothers", kWorkedMothers, "--seed", "1"},
                                         Arguments{"--seed", "1", "--mothers", kWorkedMothers}));

INSTANTIATE_TEST_SUITE_P(
    ReadingInWords, BadArguments,
    testing::Values(Arguments{"--topic", "weather"}, Arguments{"--topic", "Money"},
                    Arguments{"--topic="}, Arguments{"--order", "spiral"},
                    Arguments{"--order", "golden dawn"}, Arguments{"--reading=yes"},
                    Arguments{"--odds", "--topic", "money"}, Arguments{"--odds", "--reading"},
                    Arguments{"--topic", "life", "--querent", "3"},
                    Arguments{"--journal", "j", "--show", "1", "--order", "golden-dawn"}));

const std::string k1001Characters(1001, 'q');
const std::string k1000Umlauts = [] {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "\xC3\xBC";
  return text;
}();

INSTANTIATE_TEST_SUITE_P(
    QuestionAndJournal, BadArguments,
    testing::Values(Arguments{"--question", ""}, Arguments{"--question", k1001Characters},
                    Arguments{"--question", "line\nbreak"}, Arguments{"--question", "bell\x07"},
                    Arguments{"--question", "\xC2\x85"}, Arguments{"--question", "cut\xC3"},
                    Arguments{"--question", "\xE2\x80\xA8"}, Arguments{"--list"},
                    Arguments{"--show", "1"}, Arguments{"--journal", "j", "--show", "0"},
                    Arguments{"--journal", "j", "--show", "two"},
                    Arguments{"--journal", "j", "--show", "-1"},
                    Arguments{"--journal", "j", "--list", "--show", "1"},
                    Arguments{"--journal", "j", "--list", "--json"},
                    Arguments{"--journal", "j", "--show", "1", "--seed", "3"},
                    Arguments{"--journal", "j", "--show", "1", "--question", "q"},
                    Arguments{"--journal", "j", "--odds"}, Arguments{"--odds", "--question", "q"}));

TEST(CastArguments, TakesAQuestionOfAThousandCharactersExactlyAsGiven) {
  for (const std::string& question :
       {k1000Umlauts, std::string("\t\"<&> \xD7\xA9 \xF0\x9F\x9C\x81")}) {
    const Arguments arguments{"--question", question};
    const auto parsed = qxcast::parseArguments(arguments);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_EQ(std::get<qxcast::CastCommand>(parsed.command).question, question);
  }
}

TEST(CastArguments, AcceptsTheLimitsAndBothValueForms) {
  const Arguments arguments{"--readings=04294967295", "--seed", "18446744073709551615", "--json"};
  const auto parsed = qxcast::parseArguments(arguments);
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  const auto& cast = std::get<qxcast::CastCommand>(parsed.command);
  EXPECT_TRUE(cast.json);
  EXPECT_EQ(cast.readings, qxcast::kMaxReadings);
  EXPECT_EQ(cast.seed, 18446744073709551615u);

  const Arguments zeroSeed{"--seed=0"};
  EXPECT_EQ(std::get<qxcast::CastCommand>(qxcast::parseArguments(zeroSeed).command).seed, 0u);
}

TEST(CastArguments, ReadsMothersTopRowFirst) {
  const Arguments arguments{"--mothers", kWorkedMothers, "--readings", "3"};
  const auto parsed = qxcast::parseArguments(arguments);
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  const auto& cast = std::get<qxcast::CastCommand>(parsed.command);
  const qxcast::Mothers expected{{{1, 1, 2, 2}, {2, 1, 1, 1}, {1, 2, 2, 1}, {2, 2, 2, 1}}};
  EXPECT_EQ(cast.mothers, expected);
  EXPECT_EQ(cast.readings, 3u);
}

TEST(CastArguments, HelpPrintsUsageAndEndsTheReadingOfArguments) {
  for (const Arguments& arguments :
       {Arguments{"--help"}, Arguments{"--json", "--help", "--bogus"}}) {
    const CastRun run = runCast(arguments);
    EXPECT_EQ(run.status, qxcast::kExitSuccess);
    EXPECT_EQ(run.out, qxcast::usageText());
    EXPECT_EQ(run.err, "");
  }
  EXPECT_TRUE(qxcast::usageText().starts_with("Usage: qxgeomancy-cast "));
}

TEST(CastArguments, HelpIntoAnUnwritableOutputIsReported) {
  std::ostringstream out;
  std::ostringstream err;
  out.setstate(std::ios::badbit);
  const Arguments arguments{"--help"};
  EXPECT_EQ(qxcast::runCaster(arguments, out, err), qxcast::kExitOutputFailed);
  EXPECT_EQ(err.str(), "qxgeomancy-cast: cannot write the output\n");
}

struct Quoting {
  std::string argument;
  std::string shown;
};

// The quoted form in test output; the argument itself may be long or hold control characters.
void PrintTo(const Quoting& quoting, std::ostream* out) {
  *out << quoting.shown;
}

class QuotedArgument : public testing::TestWithParam<Quoting> {};

TEST_P(QuotedArgument, IsEscapedAndCut) {
  EXPECT_EQ(formats::quotedForMessage(GetParam().argument), GetParam().shown);
}

// The text in double quotes, then `after`. Appended rather than joined with +, which GCC 12's
// optimiser mistakes for an overlapping copy (a false -Wrestrict).
std::string inQuotes(const std::string& text, std::string_view after = {}) {
  std::string quoted(1, '"');
  quoted.append(text).append(1, '"').append(after);
  return quoted;
}

const std::string k64Letters(64, 'a');
const std::string k65Letters(65, 'a');
const std::string kCutInUtf8 = std::string(63, 'a') + "\xC3\xBC\xC3\xBC";
const std::string kHuge(130'000, 'x');

INSTANTIATE_TEST_SUITE_P(
    Table, QuotedArgument,
    testing::Values(
        Quoting{"12abc", R"("12abc")"}, Quoting{"", R"("")"},
        Quoting{"say \"hi\" C:\\dir", R"("say \"hi\" C:\\dir")"},
        Quoting{"a\nb\rc\td", R"("a\nb\rc\td")"},
        Quoting{"\x1b[2J\x07\x7f", R"("\x1b[2J\x07\x7f")"},
        Quoting{std::string("a\0b", 3), R"("a\x00b")"},
        // Well-formed UTF-8 passes; C1 controls and the marks that reorder a line do not.
        Quoting{"Gr\xC3\xBC\xC3\x9F\xE2\x80\x93\xF0\x9F\x9C\x81",
                "\"Gr\xC3\xBC\xC3\x9F\xE2\x80\x93\xF0\x9F\x9C\x81\""},
        Quoting{"\xC2\x85\xC2\x9B\xE2\x80\xAE\xE2\x81\xA6\xE2\x80\xA8",
                R"("\u0085\u009b\u202e\u2066\u2028")"},
        // Bytes that are not UTF-8: stray, truncated, overlong, a surrogate, past U+10FFFF.
        Quoting{"\xFF\x80", R"("\xff\x80")"}, Quoting{"a\xC3", R"("a\xc3")"},
        Quoting{"\xE2\x80z", R"("\xe2\x80z")"}, Quoting{"\xC0\xAF", R"("\xc0\xaf")"},
        Quoting{"\xE0\x80\xAF", R"("\xe0\x80\xaf")"}, Quoting{"\xED\xA0\x80", R"("\xed\xa0\x80")"},
        Quoting{"\xF4\x90\x80\x80", R"("\xf4\x90\x80\x80")"},
        // Sixty-four characters are shown whole; beyond them the text is cut between characters.
        Quoting{k64Letters, inQuotes(k64Letters)},
        Quoting{k65Letters, inQuotes(k64Letters, "... (65 bytes)")},
        Quoting{kCutInUtf8, inQuotes(std::string(63, 'a').append("\xC3\xBC"), "... (67 bytes)")},
        Quoting{kHuge, inQuotes(std::string(64, 'x'), "... (130000 bytes)")}));

TEST(CastArguments, MessagesQuoteTheArgumentSafely) {
  const std::string huge = "--readings=" + kHuge;
  const CastRun run = runCast({huge});
  EXPECT_EQ(run.status, qxcast::kExitBadArguments);
  EXPECT_LT(run.err.size(), 200u);
  const CastRun escape = runCast({"--mothers", "1122,\x1b[31m,1221,2221"});
  EXPECT_EQ(escape.err,
            "qxgeomancy-cast: a Mother is four digits of 1 and 2, top row first (such as 1122), "
            "not \"\\x1b[31m\"\n");
}

// The caster counts its readings with this; a narrow type shows that the largest count is
// reached and the count ends there.
TEST(CountUpTo, ReachesTheLargestValueOfItsTypeAndStops) {
  std::vector<unsigned> seen;
  qxcast::countUpTo(std::uint8_t{255}, [&](std::uint8_t number) {
    seen.push_back(number);
    return true;
  });
  ASSERT_EQ(seen.size(), 255u);
  EXPECT_EQ(seen.front(), 1u);
  EXPECT_EQ(seen.back(), 255u);

  int calls = 0;
  qxcast::countUpTo(std::uint8_t{0}, [&](std::uint8_t) { return ++calls, true; });
  EXPECT_EQ(calls, 0);
  qxcast::countUpTo(std::uint32_t{4294967295u}, [&](std::uint32_t number) { return number < 3; });
  qxcast::countUpTo(std::uint8_t{255}, [&](std::uint8_t number) { return ++calls, number < 7; });
  EXPECT_EQ(calls, 7);
}

}  // namespace
