// SPDX-License-Identifier: MIT
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

// A seed repeats a run in every version of the caster: the JSON digests were taken from its
// output when they were first written down and must never change; the plain text's change only
// with the way the chart is drawn. The seeds cover 0, both halves of the
// 64-bit seed and its largest value.
const std::vector<PinnedRun> kPinnedRuns{
    {{"--seed", "0", "--readings", "1"},
     "016a6ca9b498fcb60ab91306ff6b99e888b6508afab1c93013a3ed8267cfd882"},
    {{"--seed", "0", "--readings", "1", "--json"},
     "53f7e0814c9266104ea11f18fa87a385098a07f22e51885ced1b5839bde74307"},
    {{"--seed", "0", "--readings", "2"},
     "aa766d75cf2d7167f2e75d8dc175803e2e3d1250afc6883b95b119efcb117ed3"},
    {{"--seed", "0", "--readings", "2", "--json"},
     "feb46d7d1340be029b7585948bf2301dd358b6a81d2d1f8ef2e81946f6f7e484"},
    {{"--seed", "0", "--readings", "1000"},
     "c1d41f33d8faca51486c22489987d99f5fa668dd05589f699dcf4faee11b8aa8"},
    {{"--seed", "0", "--readings", "1000", "--json"},
     "e173eb8c549f103291e183f705aa40cb1be9c3b39b1fc81a4a9303200c0a648e"},
    {{"--seed", "1", "--readings", "1"},
     "99e874370304536154f0e7d5041184f101110a25dab61ab664f88378065f8dec"},
    {{"--seed", "1", "--readings", "1", "--json"},
     "f4e5be9ca514175d6e2e7b5f0504ddceba7a1e1dad42348294b0daa70d53f777"},
    {{"--seed", "1", "--readings", "2"},
     "5b14e8e10e884a1ef240be5d352b142df272871db53c3cca57d9fb5448f08947"},
    {{"--seed", "1", "--readings", "2", "--json"},
     "90c0ed5234210812212b4330f3760d777d65110af43279d2e3aa368b4b9ef4da"},
    {{"--seed", "1", "--readings", "1000"},
     "1778b024571a7fd2beec53396f099a8bdecb78322a3985b2ce7984ccfb6a5fdd"},
    {{"--seed", "1", "--readings", "1000", "--json"},
     "a828c93c9d5b3836de276c222322786f93a74433f56307faf7b5712bf06b41c5"},
    {{"--seed", "1", "--readings", "1000000", "--json"},
     "c92323bd4945404f9b755ab4f415ced61b1b47a0fa3991cc342e274c426e3ed3"},
    {{"--seed", "42", "--readings", "1"},
     "4f4278291f36267a0476c5251c0d1a708ffe8c8e2a51c97cb018280987a24659"},
    {{"--seed", "42", "--readings", "1", "--json"},
     "a5426c72250edf13c0fb835481922bf5636b3cebd838b9531faf45a97f692182"},
    {{"--seed", "42", "--readings", "2"},
     "5b3ac04116c013908c410e768fc0f1f96ebf56ed469f4bd7768f55609cef267c"},
    {{"--seed", "42", "--readings", "2", "--json"},
     "7bf1a8a129a9d1681caeba5ed0b0a3813c99ef43019c24b7b4e143daa10b5df4"},
    {{"--seed", "42", "--readings", "1000"},
     "ff527b5c199a48bf19358b1b2d21cfe5374d50eb8515143e9c29d9d7f4dee782"},
    {{"--seed", "42", "--readings", "1000", "--json"},
     "5f509f18e86e30c0fe60ec2ecc955f8556463050e169b476cf0777c692ade0c6"},
    // A million plain readings are 1.4 GB; a tenth of them is enough beside the JSON runs.
    {{"--seed", "42", "--readings", "100000"},
     "7905f6270d9f287cf7c28fa1a2a91e80423b45a7d4ee0d808b0f6bd3b390e6b1"},
    {{"--seed", "42", "--readings", "1000000", "--json"},
     "0c1034a6e1d583636f14afffa3b4bc55022e8f581ee46fb608025fa26c6ea818"},
    {{"--seed", "4294967295", "--readings", "1"},
     "f806af5515ca74fb4e08144107f456679275f9ddd8bc62f214fa20cdc7a3a315"},
    {{"--seed", "4294967295", "--readings", "1", "--json"},
     "e97dcb2989be22479e710c9ec89b4717c64c9438aab2f785c34f6403511f4591"},
    {{"--seed", "4294967295", "--readings", "2"},
     "2ffd5d31860a7f60d3159558a8a12cfd715c10719d6a3529321965b3781d286b"},
    {{"--seed", "4294967295", "--readings", "2", "--json"},
     "faec370d6af2e6a30116eb08febf5b8deee63c271b93ea92fc2b38530da42eff"},
    {{"--seed", "4294967295", "--readings", "1000"},
     "c38f6e6722fa99dcafb9001b71e89bcb857a600e4fe36e793754c3f74e369127"},
    {{"--seed", "4294967295", "--readings", "1000", "--json"},
     "e005e12a9f22d64417eca9b56d99021bfc10019a6f08a9659c803a9a1ece280f"},
    {{"--seed", "4294967295", "--readings", "1000000", "--json"},
     "a35ca7b3fc290e30f98f7572596c922438fcb9ba804e8aa12ca3cdde40d70f92"},
    {{"--seed", "4294967296", "--readings", "1"},
     "c5157d131f0c58e290675422b171c72c5b486fe42a17d7e687c22d7a6ebbbf18"},
    {{"--seed", "4294967296", "--readings", "1", "--json"},
     "1f52d739c16b946e18346d9272e526371d889332135eeccfe8024349148da353"},
    {{"--seed", "4294967296", "--readings", "2"},
     "2f27f2e105634cbc1bd5c2e6c1bda3a47390ab5b5028179545a61112ad103b50"},
    {{"--seed", "4294967296", "--readings", "2", "--json"},
     "bc6b638201a0f9de45746adf96530dcd944ee096535df706959fb53fb3555b96"},
    {{"--seed", "4294967296", "--readings", "1000"},
     "32af9faf51be3e4cb7d9d368e98a9debac238d24295b6824eaa427a2ab4d08a4"},
    {{"--seed", "4294967296", "--readings", "1000", "--json"},
     "9079edc1c27c2f17ec2caf950c903abd61b8f7b0f973373707072fbf8bd7c6af"},
    {{"--seed", "18446744073709551615", "--readings", "1"},
     "e1c4e9110e99cf986728f5762d97e8a5060e7b18c49a6125912a938485d7bf85"},
    {{"--seed", "18446744073709551615", "--readings", "1", "--json"},
     "b516324109c4bceef3095f4f44c7c0172901fbddc02cbf129f2ae55d2b4f2263"},
    {{"--seed", "18446744073709551615", "--readings", "2"},
     "433820129486731919644e186efa1132b42a2ffa2fbbc71c6ca5e05f6eeefe7b"},
    {{"--seed", "18446744073709551615", "--readings", "2", "--json"},
     "af4ea5ac8cee1e977d73ea1ef743b4affb9d74247e440ce2c78f1d9d6bab7476"},
    {{"--seed", "18446744073709551615", "--readings", "1000"},
     "f1b18d9a91a19d8dea0e7f668b5a40fc25325f793d9224c6af9d3b0e6dddf72f"},
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
            "b611c509ad1fd85481581a26d6b691d46f2ce074a273c54cb8d6f84974b98440");
  EXPECT_EQ(allMothersDigest(true),
            "581356636626fcd60c758008b6e884f15fcac969a07c91ea5f73b2621b04f543");
}

TEST(PinnedMothersOutput, RepeatedChartsAndHelp) {
  EXPECT_EQ(outputDigest({"--mothers", "1122,2111,1221,2221", "--readings", "3"}),
            "ad962ebd0fa0cc0125512490d1ca38ad481a85cdc87dde88f1423fa9e8c43f98");
  EXPECT_EQ(outputDigest({"--mothers", "1122,2111,1221,2221", "--readings", "3", "--json"}),
            "2054e4167d3c086aa308c975779979570452b656268799b53654d32e3eb93449");
  EXPECT_EQ(outputDigest({"--help"}),
            "a8ef3890036767913f013fbd7350f3c1275fd06b5f1d1408d1ce0af11004617a");
}

}  // namespace
