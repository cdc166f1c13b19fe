// SPDX-License-Identifier: MIT
// The caster's houses, perfection, odds and picture as a reader of its output sees them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "cli_test_support.h"
#include "exact_odds.h"
#include "house_chart.h"
#include "shield_rules.h"

namespace {

constexpr std::string_view kWorkedMothers = "1122,2111,1221,2221";

std::vector<std::string> names(const JsonValue& array) {
  std::vector<std::string> out;
  for (const JsonValue& item : array.array) out.push_back(item.string);
  return out;
}

// The new keys follow today's, which stay as they were.
TEST(AnalysesOutput, JsonKeysOfTheWorkedChart) {
  const std::string plain = runCast({"--json", "--mothers", kWorkedMothers}).out;
  const std::string line =
      runCast({"--json", "--mothers", kWorkedMothers, "--houses", "--quesited", "7"}).out;
  EXPECT_EQ(line.substr(0, plain.size() - 2), plain.substr(0, plain.size() - 2));
  const JsonValue reading = JsonReader::parse(line.substr(0, line.size() - 1));
  std::vector<std::string> keys;
  for (const auto& [key, value] : reading.object) keys.push_back(key);
  EXPECT_EQ(std::vector<std::string>(keys.end() - 5, keys.end()),
            (std::vector<std::string>{"figure", "houses", "index", "way", "perfection"}));
  EXPECT_EQ(reading["houses"].array.size(), 12u);
  EXPECT_EQ(reading["houses"].array[6].string, "RUBEUS");
  EXPECT_EQ(reading["index"]["points"].number, 72);
  EXPECT_EQ(reading["index"]["house"].number, 12);
  EXPECT_EQ(names(reading["way"].array[2]["branches"].array[0]),
            (std::vector<std::string>{"Judge", "Witness 1", "Niece 1", "Mother 2"}));
  EXPECT_EQ(reading["way"].array[3]["established"].string, "false");
  const JsonValue& perfection = reading["perfection"];
  EXPECT_EQ(perfection["conjunction"].array[0]["figure_of"].string, "querent");
  EXPECT_EQ(perfection["translation"].array[0].array[1].number, 8);
  EXPECT_EQ(perfection["perfects"].string, "true");
}

// Whatever the chart, the plain text stays ASCII within 80 columns.
TEST(AnalysesOutput, PlainTextFitsATerminal) {
  const CastRun run = runCast(
      {"--readings", "300", "--seed", "5", "--houses", "--quesited", "3", "--querent", "12"});
  ASSERT_EQ(run.status, 0);
  for (const std::string& line : splitLines(run.out)) {
    if (line.starts_with("Significance: ")) continue;  // the catalogue's text, as it stands
    EXPECT_LE(line.size(), 80u) << line;
    EXPECT_TRUE(std::all_of(line.begin(), line.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
        << line;
  }
}

TEST(AnalysesOutput, OddsJsonCountsEverySet) {
  const CastRun run = runCast({"--odds", "--json", "--quesited", "7"});
  const JsonValue odds = JsonReader::parse(run.out.substr(0, run.out.size() - 1));
  EXPECT_EQ(odds["sets"].number, 65536);
  double judges = 0;
  for (const auto& [key, count] : odds["judge"].object) judges += count.number;
  EXPECT_EQ(judges, 65536);
  EXPECT_EQ(odds["index"].object.size(), 12u);
  EXPECT_EQ(odds["perfection"]["occupation"].number, 4096);
}

// Read back, every figure of the picture has as many circles as it has points.
TEST(AnalysesOutput, SvgPictureHoldsEveryPoint) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "qxg-chart-test.svg";
  ASSERT_EQ(runCast({"--mothers", kWorkedMothers, "--houses", "--svg", path.string()}).status, 0);
  std::string svg;
  {  // closed before it is removed: Windows removes no file that is open
    std::ifstream file(path);
    svg.assign(std::istreambuf_iterator<char>(file), {});
  }
  std::filesystem::remove(path);
  ASSERT_TRUE(svg.starts_with("<?xml") && svg.ends_with("</svg>\n"));
  std::map<std::string, int> circles;
  std::string group;
  std::istringstream lines(svg);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("<g id=\"")) group = line.substr(7, line.find('"', 7) - 7);
    if (line.starts_with("<circle")) ++circles[group];
  }
  const geomancy::ShieldMasks chart = geomancy::shieldMasks(
      std::array<geomancy::Figure, 4>{{{1, 1, 2, 2}, {2, 1, 1, 1}, {1, 2, 2, 1}, {2, 2, 2, 1}}});
  EXPECT_EQ(circles["mother-1"], 6);
  EXPECT_EQ(circles["judge"], geomancy::pointsOf(chart[geomancy::kJudgePosition]));
  EXPECT_EQ(circles["reconciler"], 6);
  for (int house = 1; house <= 12; ++house) {
    EXPECT_EQ(circles["house-" + std::to_string(house)],
              geomancy::pointsOf(geomancy::houseFigure(chart, house)));
  }
  EXPECT_EQ(circles.size(), 16u + 12u);

  const CastRun refused = runCast({"--svg", (path / "nowhere.svg").string()});
  EXPECT_EQ(refused.status, qxcast::kExitOutputFailed);
  EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
