// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli_test_support.h"

namespace {

namespace fs = std::filesystem;
using Arguments = std::vector<std::string_view>;

class Journal : public testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  [[nodiscard]] std::string contents() const {
    std::ifstream file(path_, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
  }
  void add(const std::string& text) const { std::ofstream(path_, std::ios::app) << text; }

  // A run with --journal FILE before the other arguments.
  [[nodiscard]] CastRun run(Arguments arguments) const {
    arguments.insert(arguments.begin(), {"--journal", path_});
    return runCast(arguments);
  }

  const fs::path folder_ = fs::temp_directory_path() / ("qxg-journal-" + std::to_string(getpid()));
  const std::string path_ = (folder_ / "readings.jsonl").string();
};

// Three readings with questions, each drawn again from the journal as it was first shown.
TEST_F(Journal, EveryReadingCastIsListedAndShownAgainAsItWasCast) {
  const std::string quoted = "Will \"she\" <come> & stay?\tשלום 🜁";
  const std::vector<Arguments> casts{
      {"--seed", "7", "--question", "Is the house sound?"},
      {"--mothers", "1112,1111,1111,2221", "--houses", "--quesited", "7", "--question", quoted},
      {"--seed", "9", "--quesited", "10", "--querent", "4", "--question=--when?"},
  };
  std::vector<std::string> shown;
  for (const Arguments& cast : casts) {
    const CastRun done = run(cast);
    ASSERT_EQ(done.status, 0) << done.err;
    shown.push_back(done.out);
  }
  EXPECT_TRUE(shown[1].starts_with("Question: " + quoted + "\n\n"));
  const std::string journal = contents();
  const std::vector<std::string> lines = splitLines(journal);
  ASSERT_EQ(lines.size(), 3u);

  const CastRun list = run({"--list"});
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.err, "");
  const std::vector<std::string> listed = splitLines(list.out);
  ASSERT_EQ(listed.size(), 3u);
  EXPECT_TRUE(listed[1].starts_with("2  ")) << listed[1];
  EXPECT_TRUE(listed[1].ends_with("  Conjunctio      " + quoted)) << listed[1];

  for (std::size_t number = 1; number <= lines.size(); ++number) {
    SCOPED_TRACE(number);
    const JsonValue line = JsonReader::parse(lines[number - 1]);
    EXPECT_EQ(line.object[line.object.size() - 2].first, "cast_at");
    EXPECT_TRUE(listed[number - 1].find(line["cast_at"].string.substr(11, 8)) != std::string::npos);
    const std::string n = std::to_string(number);
    EXPECT_EQ(run({"--show", n}).out, shown[number - 1]);
    EXPECT_EQ(run({"--show", n, "--json"}).out, lines[number - 1] + "\n");
  }
  EXPECT_EQ(contents(), journal) << "--list and --show write nothing";
  const JsonValue second = JsonReader::parse(lines[1]);
  EXPECT_EQ(second["question"].string, quoted);
  EXPECT_EQ(second["options"]["quesited"].number, 7);
  EXPECT_EQ(JsonReader::parse(lines[2])["options"]["querent"].number, 4);
  // The JSON a cast prints is the journal's line without the keys of the journal.
  const CastRun json = run({"--mothers", "1112,1111,1111,2221", "--json", "--question", "q"});
  const std::string kept = splitLines(contents()).back();
  EXPECT_EQ(json.out.substr(0, json.out.size() - 2), kept.substr(0, kept.find(",\"cast_at\":")));
  EXPECT_TRUE(json.out.ends_with(",\"question\":\"q\"}\n"));
  EXPECT_EQ(run({"--show", "5"}).err, "qxgeomancy-cast: --show 5: the journal holds 4 readings\n");
}

// A reading cast in the Golden Dawn's order about money, with the reading in words: the journal
// keeps the options, not the words, and --show gives the reading again as it was.
TEST_F(Journal, KeepsTheOrderAndTheTopicAndShowsTheReadingAgain) {
  const Arguments cast{"--mothers",
                       "1122,1212,2211,2122",
                       "--order",
                       "golden-dawn",
                       "--topic",
                       "money",
                       "--reading",
                       "--question",
                       "Will I recoup my losses?"};
  const CastRun done = run(cast);
  ASSERT_EQ(done.status, 0) << done.err;
  const std::string line = contents();
  const JsonValue kept = JsonReader::parse(line.substr(0, line.size() - 1));
  EXPECT_EQ(kept["options"]["order"].string, "golden-dawn");
  EXPECT_EQ(kept["options"]["topic"].string, "money");
  EXPECT_EQ(kept["options"]["quesited"].number, 2);
  EXPECT_EQ(line.find("\"meanings\""), std::string::npos);
  EXPECT_EQ(run({"--show", "1"}).out, done.out);
  const CastRun json = run({"--show", "1", "--json"});
  EXPECT_EQ(JsonReader::parse(json.out.substr(0, json.out.size() - 1))["reading"]["order"].string,
            "golden-dawn");
  EXPECT_EQ(contents(), line);
}

struct Damage {
  const char* kind;
  std::string line;  // written with a line end after it
  const char* reason;
};

void PrintTo(const Damage& damage, std::ostream* out) {
  *out << damage.kind;
}

class DamagedJournal : public Journal, public testing::WithParamInterface<Damage> {};

// Between two good readings, one damaged line: reported with its number, the rest still served.
TEST_P(DamagedJournal, LineIsReportedAndSkipped) {
  ASSERT_EQ(run({"--seed", "1", "--question", "first"}).status, 0);
  add(GetParam().line + "\n");
  ASSERT_EQ(run({"--seed", "2", "--question", "second"}).status, 0);
  const std::string before = contents();
  const CastRun list = run({"--list"});
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(splitLines(list.out).size(), 2u);
  EXPECT_TRUE(list.out.ends_with("second\n"));
  EXPECT_TRUE(list.err.starts_with("qxgeomancy-cast: journal line 2 skipped: ")) << list.err;
  EXPECT_NE(list.err.find(GetParam().reason), std::string::npos) << list.err;
  EXPECT_EQ(splitLines(list.err).size(), 1u) << list.err;
  const CastRun show = run({"--show", "2"});
  EXPECT_TRUE(show.out.starts_with("Question: second\n")) << show.out.substr(0, 80);
  EXPECT_EQ(contents(), before);
}

std::string goodLine() {
  return splitLines(runCast({"--mothers", "1122,2111,1221,2221", "--json"}).out)[0];
}
// The worked chart's line, made a journal's, with `from` replaced by `to`.
std::string edited(const std::string& from, const std::string& to) {
  std::string line = goodLine();
  line.insert(line.size() - 1,
              ",\"cast_at\":\"2026-12-08T05:30:12Z\",\"options\":{\"houses\":"
              "false,\"querent\":1,\"quesited\":null}");
  if (!from.empty()) line.replace(line.find(from), from.size(), to);
  return line;
}

std::string randomBytes() {
  std::string bytes;
  for (unsigned x = 12345; bytes.size() < 5000; x = x * 1103515245u + 12345u) {
    if (const char c = static_cast<char>(x >> 16); c != '\n') bytes += c;
  }
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DamagedJournal,
    testing::Values(
        Damage{"cut short", edited("", "").substr(0, 300), "not JSON"},
        Damage{"random bytes", randomBytes(), "not JSON"},
        Damage{"one enormous line", std::string(3'000'000, '['), "longer than 65536 bytes"},
        Damage{"deep nesting", std::string(60'000, '['), "nesting too deep"},
        Damage{"blanks", "  \t ", "not JSON"}, Damage{"an array", "[1,2]", "not a JSON object"},
        Damage{"a --json line", goodLine(), "no time of casting"},
        Damage{"the Judge edited", edited("\"judge\":[2,1,1,2]", "\"judge\":[1,1,1,1]"),
               "its figures are not those its Mothers make"},
        Damage{"a Mother of three points", edited("[[1,1,2,2]", "[[1,1,3,2]"), "no Mothers"},
        Damage{"a day that never was", edited("2026-12-08", "2026-02-30"), "no time of casting"},
        Damage{"no options", edited(",\"options\"", ",\"other\""), "no options"},
        Damage{"the querent's house as quesited", edited("\"quesited\":null", "\"quesited\":1"),
               "no quesited's house"},
        Damage{"a bell in the question",
               edited("\"cast_at\"", "\"question\":\"\\u0007\",\"cast_at\""),
               "its question may hold tabs but no other control characters"},
        Damage{"a lone surrogate", edited("\"cast_at\"", "\"question\":\"\\ud800\",\"cast_at\""),
               "lone surrogate"},
        Damage{"an order unknown",
               edited("\"quesited\":null", "\"quesited\":null,\"order\":\"spiral\""),
               "an order of houses this program does not know"},
        Damage{"a topic unknown", edited("\"quesited\":null", "\"quesited\":null,\"topic\":7"),
               "a topic this program does not know"}));

// A line edited by hand into another form of the same JSON is still the reading.
TEST_F(Journal, AnEditedButValidLineIsRead) {
  std::string line =
      edited("\"cast_at\"", "\"question\":\"\\u00fc\\ud83d\\ude01\\/\\t\",\"cast_at\"");
  for (const std::string_view gap : {"{", ",", ":"}) {
    line.replace(line.find(gap), gap.size(), std::string(" \t").append(gap).append(" "));
  }
  add(line + "\r\n");
  const CastRun show = run({"--show", "1"});
  EXPECT_EQ(show.err, "");
  EXPECT_EQ(show.out, "Question: \xC3\xBC\xF0\x9F\x98\x81/\t\n\n" +
                          runCast({"--mothers", "1122,2111,1221,2221"}).out);
}

TEST_F(Journal, ACutShortLastLineIsEndedBeforeTheNextReading) {
  ASSERT_EQ(run({"--seed", "1"}).status, 0);
  add("{\"mothers\":[[1,1");
  ASSERT_EQ(run({"--seed", "2", "--question", "after"}).status, 0);
  const CastRun list = run({"--list"});
  EXPECT_EQ(splitLines(list.out).size(), 2u);
  EXPECT_EQ(list.err,
            "qxgeomancy-cast: journal line 2 skipped: not JSON: unexpected end at byte 17\n");
}

// Where the journal cannot be: the status, and one line that says so.
TEST_F(Journal, AJournalThatCannotBeUsedIsOneLineAndAStatus) {
  const std::string file = path_;
  add("");
  const std::string under = file + "/journal.jsonl";
  const std::string folder = folder_.string();
  const struct {
    Arguments arguments;
    int status;
    const char* says;
  } cases[] = {
      {{"--journal", folder}, 2, "--journal names a folder"},
      {{"--journal", folder, "--list"}, 2, "--journal names a folder"},
      {{"--journal", under}, 1, "cannot open the journal"},
      {{"--journal", under, "--show", "1"}, 1, "cannot read the journal"},
      {{"--journal", "/dev/full", "--readings", "3"}, 1, "cannot add to the journal"},
      {{"--journal", file, "--show", "1"}, 2, "the journal holds 0 readings"},
  };
  for (const auto& [arguments, status, says] : cases) {
    SCOPED_TRACE(arguments[1]);
    const CastRun cast = runCast(arguments);
    EXPECT_EQ(cast.status, status);
    EXPECT_NE(cast.err.find(says), std::string::npos) << cast.err;
    EXPECT_EQ(splitLines(cast.err).size(), 1u) << cast.err;
    EXPECT_TRUE(status != 2 || cast.out.empty());
  }
  EXPECT_EQ(contents(), "");
}

}  // namespace
