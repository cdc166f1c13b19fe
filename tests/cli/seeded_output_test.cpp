#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "caster.h"
#include "sha256.h"

namespace {

using Arguments = std::vector<std::string_view>;

// The SHA-256 of everything a run writes on standard output; the output itself may run to
// gigabytes and is never kept.
std::string outputDigest(const Arguments& arguments) {
  Sha256Buffer hash;
  std::ostream out(&hash);
  std::ostringstream err;
  EXPECT_EQ(qxcast::runCaster(arguments, out, err), qxcast::kExitSuccess) << err.str();
  return hash.finish();
}

TEST(Sha256, KnownDigests) {
  const auto digest = [](std::string_view text) {
    Sha256 hash;
    hash.add(text);
    return hash.finish();
  };
  EXPECT_EQ(digest(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(digest("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(digest("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
  // Fed in uneven pieces across block boundaries, the digest is the same.
  const std::string million(1'000'000, 'a');
  Sha256 pieces;
  for (std::size_t at = 0, piece = 1; at < million.size();
       at += piece, piece = piece * 3 % 197 + 1) {
    pieces.add(std::string_view(million).substr(at, piece));
  }
  EXPECT_EQ(pieces.finish(), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

struct PinnedRun {
  Arguments arguments;
  std::string_view sha256;
};

// A seed repeats a run in every version of the caster: these digests were taken from its output
// when they were first written down and must never change. The seeds cover 0, both halves of the
// 64-bit seed and its largest value.
const std::vector<PinnedRun> kPinnedRuns{
    {{"--seed", "0", "--readings", "1"},
     "6f849e9704396139838a84ae8793ec5e85ea1e3b25e3b6b33366f37fa24e2377"},
    {{"--seed", "0", "--readings", "1", "--json"},
     "53f7e0814c9266104ea11f18fa87a385098a07f22e51885ced1b5839bde74307"},
    {{"--seed", "0", "--readings", "2"},
     "f50c5dc5bbbf85b58ca7cb0400c653ff34f9b18e47049eb3d6e7c21eb911eabf"},
    {{"--seed", "0", "--readings", "2", "--json"},
     "feb46d7d1340be029b7585948bf2301dd358b6a81d2d1f8ef2e81946f6f7e484"},
    {{"--seed", "0", "--readings", "1000"},
     "7fc97b5376e3c06d67338e898a2a49e6c712cbf2f061a7caf023e64c24dba4e1"},
    {{"--seed", "0", "--readings", "1000", "--json"},
     "e173eb8c549f103291e183f705aa40cb1be9c3b39b1fc81a4a9303200c0a648e"},
    {{"--seed", "1", "--readings", "1"},
     "433e827b749cb3a4b9cfb6f7cc1d68ee0998e43d1bd3c1691cc8881019a0270c"},
    {{"--seed", "1", "--readings", "1", "--json"},
     "f4e5be9ca514175d6e2e7b5f0504ddceba7a1e1dad42348294b0daa70d53f777"},
    {{"--seed", "1", "--readings", "2"},
     "b2551d91b6b7995221f98efb61422022d7020c394a31dce91ce014b6d1615191"},
    {{"--seed", "1", "--readings", "2", "--json"},
     "90c0ed5234210812212b4330f3760d777d65110af43279d2e3aa368b4b9ef4da"},
    {{"--seed", "1", "--readings", "1000"},
     "a6e5f3fc5b9472d4365dc9da36eb44b4009a271386a315a0092097c8221beaa3"},
    {{"--seed", "1", "--readings", "1000", "--json"},
     "a828c93c9d5b3836de276c222322786f93a74433f56307faf7b5712bf06b41c5"},
    {{"--seed", "1", "--readings", "1000000", "--json"},
     "c92323bd4945404f9b755ab4f415ced61b1b47a0fa3991cc342e274c426e3ed3"},
    {{"--seed", "42", "--readings", "1"},
     "3f3249112fcee3ea8326bf29ab115d3562348290efe84107723820eb3af1a80d"},
    {{"--seed", "42", "--readings", "1", "--json"},
     "a5426c72250edf13c0fb835481922bf5636b3cebd838b9531faf45a97f692182"},
    {{"--seed", "42", "--readings", "2"},
     "38a2339c5a94ae6d8fb88489d94da0bae55ee6d0317516628fd9b7e2783b1ca7"},
    {{"--seed", "42", "--readings", "2", "--json"},
     "7bf1a8a129a9d1681caeba5ed0b0a3813c99ef43019c24b7b4e143daa10b5df4"},
    {{"--seed", "42", "--readings", "1000"},
     "37280df68872450b57aa3a40a3ca558ea3468360ed278a0aad603e9c30555098"},
    {{"--seed", "42", "--readings", "1000", "--json"},
     "5f509f18e86e30c0fe60ec2ecc955f8556463050e169b476cf0777c692ade0c6"},
    // A million plain readings are 1.4 GB; a tenth of them is enough beside the JSON runs.
    {{"--seed", "42", "--readings", "100000"},
     "d655d39035e982e6268998c41c0d5956d488a3be1cd666a2e27a4756a043a015"},
    {{"--seed", "42", "--readings", "1000000", "--json"},
     "0c1034a6e1d583636f14afffa3b4bc55022e8f581ee46fb608025fa26c6ea818"},
    {{"--seed", "4294967295", "--readings", "1"},
     "e3237c5338026266345d7a65e653c2df8b500583c8d7cbc53954fcf0bcd6a681"},
    {{"--seed", "4294967295", "--readings", "1", "--json"},
     "e97dcb2989be22479e710c9ec89b4717c64c9438aab2f785c34f6403511f4591"},
    {{"--seed", "4294967295", "--readings", "2"},
     "760afd890716d03294e87eec03ef8c696fd4185e5b82303f72a34fa1f7813d32"},
    {{"--seed", "4294967295", "--readings", "2", "--json"},
     "faec370d6af2e6a30116eb08febf5b8deee63c271b93ea92fc2b38530da42eff"},
    {{"--seed", "4294967295", "--readings", "1000"},
     "e6a5e329129196702c895d5209eaebc7afe39d51305d83bc86ea05c17dd06b39"},
    {{"--seed", "4294967295", "--readings", "1000", "--json"},
     "e005e12a9f22d64417eca9b56d99021bfc10019a6f08a9659c803a9a1ece280f"},
    {{"--seed", "4294967295", "--readings", "1000000", "--json"},
     "a35ca7b3fc290e30f98f7572596c922438fcb9ba804e8aa12ca3cdde40d70f92"},
    {{"--seed", "4294967296", "--readings", "1"},
     "7e8c159395635533d53ca91199349f9948978ae65093b1c424391ae228eb5b40"},
    {{"--seed", "4294967296", "--readings", "1", "--json"},
     "1f52d739c16b946e18346d9272e526371d889332135eeccfe8024349148da353"},
    {{"--seed", "4294967296", "--readings", "2"},
     "5714a45c16a443b4859d538b7870ed57e5249ab6093c109bad8429adb2b5ee32"},
    {{"--seed", "4294967296", "--readings", "2", "--json"},
     "bc6b638201a0f9de45746adf96530dcd944ee096535df706959fb53fb3555b96"},
    {{"--seed", "4294967296", "--readings", "1000"},
     "a7441e8a93c52dc592d91c983a0d42ed28b94fd7d3cd0de57162f15a278575bd"},
    {{"--seed", "4294967296", "--readings", "1000", "--json"},
     "9079edc1c27c2f17ec2caf950c903abd61b8f7b0f973373707072fbf8bd7c6af"},
    {{"--seed", "18446744073709551615", "--readings", "1"},
     "c8818b5369f564d1773eaf1b9ca10aa5092401e8186fe9784c84bf8a9041c3a2"},
    {{"--seed", "18446744073709551615", "--readings", "1", "--json"},
     "b516324109c4bceef3095f4f44c7c0172901fbddc02cbf129f2ae55d2b4f2263"},
    {{"--seed", "18446744073709551615", "--readings", "2"},
     "d13ce1234f867b1210f8a7eca4b086e9897ccd0d9263c14a18394181f0b35145"},
    {{"--seed", "18446744073709551615", "--readings", "2", "--json"},
     "af4ea5ac8cee1e977d73ea1ef743b4affb9d74247e440ce2c78f1d9d6bab7476"},
    {{"--seed", "18446744073709551615", "--readings", "1000"},
     "a0aebb5005bba477a1fbeeec2c569bfa5d17d77b56081d683902cfcfe9f24fbc"},
    {{"--seed", "18446744073709551615", "--readings", "1000", "--json"},
     "d73011c0b19a1b6b547a87bf9d7f05fa32884c9c10c796ac678341c8daf5ceec"},
};

// The run's command line in test output, instead of the bytes of the object.
void PrintTo(const PinnedRun& run, std::ostream* out) {
  const char* separator = "";
  for (const std::string_view argument : run.arguments) {
    *out << separator << argument;
    separator = " ";
  }
}

class PinnedSeededOutput : public testing::TestWithParam<PinnedRun> {};

TEST_P(PinnedSeededOutput, IsByteForByteTheSame) {
  EXPECT_EQ(outputDigest(GetParam().arguments), GetParam().sha256);
}

// "seed_42_readings_1000_json" for --seed 42 --readings 1000 --json.
std::string runName(const testing::TestParamInfo<PinnedRun>& run) {
  std::string name;
  for (std::string_view argument : run.param.arguments) {
    if (argument.starts_with("--")) argument.remove_prefix(2);
    if (!name.empty()) name += '_';
    name += argument;
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Seeds, PinnedSeededOutput, testing::ValuesIn(kPinnedRuns), runName);

// Every set of four Mothers, digits in ascending order (1111,1111,1111,1111 first), one run
// after another into one digest: each chart with its texts and its Reconciler, as plain text and
// as JSON.
std::string allMothersDigest(bool json) {
  std::vector<std::string> figures;
  for (int figure = 0; figure < 16; ++figure) {
    std::string digits;
    for (int row = 3; row >= 0; --row) digits += (figure >> row) & 1 ? '2' : '1';
    figures.push_back(digits);
  }
  Sha256Buffer hash;
  std::ostream out(&hash);
  std::ostringstream err;
  for (int set = 0; set < 65536; ++set) {
    const std::string mothers = figures[set >> 12] + ',' + figures[(set >> 8) & 15] + ',' +
                                figures[(set >> 4) & 15] + ',' + figures[set & 15];
    Arguments arguments{"--mothers", mothers};
    if (json) arguments.push_back("--json");
    if (qxcast::runCaster(arguments, out, err) != qxcast::kExitSuccess) return err.str();
  }
  return hash.finish();
}

TEST(PinnedMothersOutput, EverySetOfMothers) {
  EXPECT_EQ(allMothersDigest(false),
            "04ec137078b76f01c2c1fa6c59046fd8a26906bd89c23a9bad737c9ec10dbe3d");
  EXPECT_EQ(allMothersDigest(true),
            "581356636626fcd60c758008b6e884f15fcac969a07c91ea5f73b2621b04f543");
}

TEST(PinnedMothersOutput, RepeatedChartsAndHelp) {
  EXPECT_EQ(outputDigest({"--mothers", "1122,2111,1221,2221", "--readings", "3"}),
            "9aedab72e64322a2446d9930345e4c4ef31033cd691f618d3fbb86a39939704d");
  EXPECT_EQ(outputDigest({"--mothers", "1122,2111,1221,2221", "--readings", "3", "--json"}),
            "2054e4167d3c086aa308c975779979570452b656268799b53654d32e3eb93449");
  EXPECT_EQ(outputDigest({"--help"}),
            "132518959d2f77652ab6d5bfd2f59390f5c084af898578b7f7dc5554159bd45a");
}

}  // namespace
