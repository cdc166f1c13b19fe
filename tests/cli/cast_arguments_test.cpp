#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "cast_options.h"
#include "cli_test_support.h"

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

TEST(CastArguments, AcceptsTheLimitsAndBothValueForms) {
  const Arguments arguments{"--readings=04294967295", "--seed", "18446744073709551615", "--json"};
  const auto parsed = qxcast::parseArguments(arguments);
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  EXPECT_TRUE(parsed.options.json);
  EXPECT_EQ(parsed.options.readings, qxcast::kMaxReadings);
  EXPECT_EQ(parsed.options.seed, 18446744073709551615u);

  const Arguments zeroSeed{"--seed=0"};
  EXPECT_EQ(qxcast::parseArguments(zeroSeed).options.seed, 0u);
}

TEST(CastArguments, ReadsMothersTopRowFirst) {
  const Arguments arguments{"--mothers", kWorkedMothers, "--readings", "3"};
  const auto parsed = qxcast::parseArguments(arguments);
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  const qxcast::Mothers expected{{{1, 1, 2, 2}, {2, 1, 1, 1}, {1, 2, 2, 1}, {2, 2, 2, 1}}};
  EXPECT_EQ(parsed.options.mothers, expected);
  EXPECT_EQ(parsed.options.readings, 3u);
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

}  // namespace
