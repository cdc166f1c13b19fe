// SPDX-License-Identifier: MIT
// The caster's houses, perfection, odds and picture as a reader of its output sees them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <regex>
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

// The analyses' keys follow the keys every line has, which stay as they were.
TEST(AnalysesOutput, JsonKeysOfTheWorkedChart) {
  const std::string plain = runCast({"--json", "--mothers", kWorkedMothers}).out;
  const std::string line =
      runCast({"--json", "--mothers", kWorkedMothers, "--houses", "--quesited", "7"}).out;
  EXPECT_EQ(line.substr(0, plain.size() - 2), plain.substr(0, plain.size() - 2));
  const JsonValue reading = JsonReader::parse(line.substr(0, line.size() - 1));
  std::vector<std::string> keys;
  for (const auto& [key, value] : reading.object) keys.push_back(key);
  EXPECT_EQ(std::vector<std::string>(keys.end() - 7, keys.end()),
            (std::vector<std::string>{"figure", "houses", "index", "way", "perfection", "company",
                                      "halted"}));
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
  EXPECT_TRUE(perfection["aspects"].array.empty());
  EXPECT_EQ(perfection["denial"].string, "false");
  std::vector<std::string> kinds;
  for (const JsonValue& pair : reading["company"].array) kinds.push_back(pair["kind"].string);
  EXPECT_EQ(kinds, (std::vector<std::string>{"null", "demi-simple", "capitular", "capitular",
                                             "capitular", "capitular"}));
  EXPECT_EQ(reading["company"].array[5]["houses"].array[0].number, 11);
  EXPECT_EQ(reading["halted"].string, "false");
}

// Cauda Draconis in house 1, every kind of company and aspects from both sides: what the README
// shows, in JSON and in plain text.
TEST(AnalysesOutput, HaltedChartWithEveryKindOfCompany) {
  const std::vector<std::string_view> arguments{"--mothers", "1112,1111,1111,2221", "--houses",
                                                "--quesited", "7"};
  std::vector<std::string_view> json = arguments;
  json.push_back("--json");
  const std::string line = runCast(json).out;
  const JsonValue reading = JsonReader::parse(line.substr(0, line.size() - 1));
  std::vector<std::string> kinds;
  for (const JsonValue& pair : reading["company"].array) kinds.push_back(pair["kind"].string);
  EXPECT_EQ(kinds, (std::vector<std::string>{"capitular", "null", "simple", "compound",
                                             "demi-simple", "null"}));
  EXPECT_EQ(reading["halted"].string, "true");
  std::vector<std::string> aspects;
  for (const JsonValue& aspect : reading["perfection"]["aspects"].array) {
    aspects.push_back(std::to_string(static_cast<int>(aspect["from"].number)) + ">" +
                      std::to_string(static_cast<int>(aspect["onto"].number)) + " " +
                      aspect["kind"].string + " " + aspect["side"].string + " " +
                      aspect["figure_of"].string);
  }
  EXPECT_EQ(aspects, (std::vector<std::string>{
                         "5>7 sextile sinister querent", "5>1 trine dexter quesited",
                         "10>7 square dexter querent", "10>1 square sinister quesited"}));

  const std::vector<std::string> lines = splitLines(runCast(arguments).out);
  const auto at = [&lines](std::string_view start) {
    return std::find_if(lines.begin(), lines.end(),
                        [start](const std::string& each) { return each.starts_with(start); });
  };
  ASSERT_NE(at("Halted:"), lines.end());
  EXPECT_EQ(*at("Halted:"),
            "Halted:       Cauda Draconis in house 1; by tradition, not to be judged");
  EXPECT_EQ(at("Halted:") + 1, at("Judge:"));
  EXPECT_EQ(*(at("Company of houses") + 3), "   5 and 6   simple");
  EXPECT_EQ(*at("  Company:"), "  Company:     house 2, capitular: Via signifies the querent too;");
  EXPECT_EQ(*(at("  Company:") + 1),
            "               house 8, compound: Caput Draconis signifies the quesited too");
  EXPECT_EQ(*(at("  Company:") + 2), "  The chart perfects.");

  const std::string denied =
      runCast({"--mothers", "1122,2111,1221,2221", "--quesited", "10", "--querent", "3"}).out;
  EXPECT_NE(denied.find("\n  Denial: the chart does not perfect.\n"), std::string::npos);
  EXPECT_EQ(denied.find("Halted"), std::string::npos);
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
  EXPECT_EQ(odds["perfection"]["company"].object.size(), 4u);
  EXPECT_EQ(odds.object.back().first, "halted");
  EXPECT_EQ(odds["halted"].number, 8192);
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
  EXPECT_TRUE(std::regex_search(svg, std::regex(R"(>Cast on \d{4}-\d\d-\d\d at [\d:]{8} UTC<)")));
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
  const auto pointsOf = [](geomancy::FigureMask figure) {
    const geomancy::Figure rows = geomancy::figureOf(figure);
    return std::accumulate(rows.begin(), rows.end(), 0);
  };
  EXPECT_EQ(circles["judge"], pointsOf(chart[geomancy::kJudgePosition]));
  EXPECT_EQ(circles["reconciler"], 6);
  for (int house = 1; house <= 12; ++house) {
    EXPECT_EQ(circles["house-" + std::to_string(house)],
              pointsOf(chart[house - 1]));  // figure n in house n
  }
  EXPECT_EQ(circles.size(), 16u + 12u + 4u);  // the shield, the houses, the court

  const CastRun refused = runCast({"--svg", (path / "nowhere.svg").string()});
  EXPECT_EQ(refused.status, qxcast::kExitOutputFailed);
  EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
