// SPDX-License-Identifier: MIT
#include "reading.h"

#include <array>
#include <charconv>
#include <cstring>
#include <initializer_list>

#include "catalogue.h"
#include "chart_text.h"
#include "house_chart.h"

namespace qxcast {
namespace {

using geomancy::CatalogueEntry;
using geomancy::Figure;
using geomancy::FigureMask;
using geomancy::kFigureCount;
using geomancy::kMaskCount;

// The chart's positions as the JSON groups them: name, first position, number of figures.
struct JsonGroup {
  std::string_view name;
  int first;
  int count;
};
constexpr std::array<JsonGroup, 4> kJsonGroups{{
    {"mothers", 0, 4},
    {"daughters", 4, 4},
    {"nieces", 8, 4},
    {"witnesses", 12, 2},
}};

struct LabelledText {
  std::string_view label;
  std::string_view CatalogueEntry::*text;
};
constexpr std::array<LabelledText, 9> kJsonTexts{{
    {"keyword", &CatalogueEntry::keyword},
    {"day", &CatalogueEntry::day},
    {"element", &CatalogueEntry::element},
    {"quality", &CatalogueEntry::quality},
    {"planet", &CatalogueEntry::planet},
    {"sign", &CatalogueEntry::sign},
    {"body_part", &CatalogueEntry::bodyPart},
    {"direction", &CatalogueEntry::direction},
    {"significance", &CatalogueEntry::significance},
}};
constexpr std::array<LabelledText, 9> kPlainTexts{{
    {"Keyword:      ", &CatalogueEntry::keyword},
    {"Day:          ", &CatalogueEntry::day},
    {"Element:      ", &CatalogueEntry::element},
    {"Quality:      ", &CatalogueEntry::quality},
    {"Planet:       ", &CatalogueEntry::planet},
    {"Sign:         ", &CatalogueEntry::sign},
    {"Body part:    ", &CatalogueEntry::bodyPart},
    {"Direction:    ", &CatalogueEntry::direction},
    {"Significance: ", &CatalogueEntry::significance},
}};

// The fifteen positions of the chart, then the Reconciler.
constexpr int kReconcilerPlace = kFigureCount;
constexpr int kFigurePlaces = kFigureCount + 1;

void appendFigureJson(std::string& out, const Figure& figure) {
  out += '[';
  for (int row = 0; row < geomancy::kRowsPerFigure; ++row) {
    if (row > 0) out += ',';
    std::array<char, 8> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), figure[row]).ptr;
    out.append(digits.data(), end);
  }
  out += ']';
}

// The Way of the Point for a row depends on that row of the figures alone, which the Mothers and
// Daughters decide: eight bits, the Mothers' the low four.
constexpr int kRowSlices = 1 << 8;

// Every JSON line has the same frame, and only the figures in it and the Judge's texts differ; a
// figure's rows always stand just before a "]". So a line is the frame with eight characters
// written into each of its sixteen places, then the Judge's texts, all worked out once from the
// catalogue; so are the house figures' keys and the Way of the Point of every row slice.
struct Pieces {
  std::string jsonFrame;
  std::array<std::size_t, kFigurePlaces> jsonPlaces{};
  std::array<std::array<char, 8>, kMaskCount> jsonRows{};
  std::array<std::string, kMaskCount> jsonJudgeTexts;
  std::array<std::array<std::string, kMaskCount>, kMaskCount> jsonKeyPairs;  // "KEY1","KEY2"
  // From the end of the houses to the start of the ways, by the Index's points.
  std::array<std::string, 8 * geomancy::kHouseCount + 1> jsonIndex;
  // "[a,b]" and "{"house":h,"figure_of":"querent"}" (then "quesited"), by house.
  std::array<std::array<std::string, geomancy::kHouseCount + 1>, geomancy::kHouseCount + 1>
      jsonPairs;
  std::array<std::array<std::string, 2>, geomancy::kHouseCount + 1> jsonConjunctions;
  // ","perfection":{"querent":M,"quesited":N, by the two houses.
  std::array<std::array<std::string, geomancy::kHouseCount + 1>, geomancy::kHouseCount + 1>
      jsonPerfections;
  std::array<std::array<std::string, kRowSlices>, geomancy::kRowsPerFigure> jsonWays;
  std::array<std::string, kMaskCount> plainJudgeTexts;
};

std::string joined(std::initializer_list<std::string_view> parts) {
  std::string out;
  for (const std::string_view part : parts) out += part;
  return out;
}

int rowSlice(const geomancy::ShieldMasks& chart, int row) {
  unsigned slice = 0;
  for (int position = 0; position < 8; ++position) {
    slice |= ((static_cast<unsigned>(chart[position]) >> (row - 1)) & 1u) << position;
  }
  return static_cast<int>(slice);
}

// A chart whose row `row` is the slice's, every other row two points.
geomancy::ShieldMasks chartOfSlice(int row, int slice) {
  geomancy::ShieldMasks chart{};
  for (int position = 0; position < kFigureCount; ++position) {
    chart[position] = position < 8 ? static_cast<FigureMask>(((slice >> position) & 1) << (row - 1))
                                   : geomancy::addMasks(chart[geomancy::parentsOf(position)[0]],
                                                        chart[geomancy::parentsOf(position)[1]]);
  }
  return chart;
}

std::string jsonWay(const geomancy::WayOfThePoint& way) {
  std::string out =
      joined({"{\"row\":", std::to_string(way.row),
              ",\"established\":", way.established ? "true" : "false", ",\"branches\":["});
  for (std::size_t branch = 0; branch < way.branches.size(); ++branch) {
    out += branch > 0 ? ",[" : "[";
    for (std::size_t step = 0; step < way.branches[branch].size(); ++step) {
      if (step > 0) out += ',';
      appendJsonString(out, geomancy::positionName(way.branches[branch][step]));
    }
    out += ']';
  }
  out += "]}";
  return out;
}

void addJsonPlace(Pieces& pieces, int place) {
  pieces.jsonFrame += '[';
  pieces.jsonPlaces[place] = pieces.jsonFrame.size();
  pieces.jsonFrame += "1,1,1,1]";
}

void buildJsonFrame(Pieces& pieces) {
  std::string& frame = pieces.jsonFrame;
  frame += '{';
  for (const JsonGroup& group : kJsonGroups) {
    frame += '"';
    frame += group.name;
    frame += "\":[";
    for (int position = group.first; position < group.first + group.count; ++position) {
      if (position > group.first) frame += ',';
      addJsonPlace(pieces, position);
    }
    frame += "],";
  }
  frame += "\"judge\":";
  addJsonPlace(pieces, geomancy::kJudgePosition);
  frame += ",\"reconciler\":";
  addJsonPlace(pieces, kReconcilerPlace);
}

std::string jsonJudgeTexts(const CatalogueEntry& judge) {
  std::string out = ",\"figure\":{\"key\":";
  appendJsonString(out, judge.key);
  out += ",\"name\":";
  appendJsonString(out, judge.figureName);
  for (const LabelledText& text : kJsonTexts) {
    out += ",\"";
    out += text.label;
    out += "\":";
    appendJsonString(out, judge.*text.text);
  }
  out += '}';
  return out;
}

std::string plainJudgeTexts(const CatalogueEntry& judge) {
  std::string out = "Judge:        ";
  out += judge.figureName;
  out += '\n';
  for (const LabelledText& text : kPlainTexts) {
    out += text.label;
    out += judge.*text.text;
    out += '\n';
  }
  return out;
}

Pieces buildPieces() {
  Pieces pieces;
  buildJsonFrame(pieces);
  for (int mask = 0; mask < kMaskCount; ++mask) {
    const auto figureMask = static_cast<FigureMask>(mask);
    const Figure figure = geomancy::figureOf(figureMask);
    std::string rows;
    appendFigureJson(rows, figure);
    rows.copy(pieces.jsonRows[mask].data(), pieces.jsonRows[mask].size(), 1);  // past the "["
    const CatalogueEntry& entry = geomancy::entryForMask(figureMask);
    pieces.jsonJudgeTexts[mask] = jsonJudgeTexts(entry);
    pieces.plainJudgeTexts[mask] = plainJudgeTexts(entry);
  }
  for (int first = 0; first < kMaskCount; ++first) {
    for (int second = 0; second < kMaskCount; ++second) {
      std::string& pair = pieces.jsonKeyPairs[first][second];
      appendJsonString(pair, geomancy::entryForMask(static_cast<FigureMask>(first)).key);
      pair += ',';
      appendJsonString(pair, geomancy::entryForMask(static_cast<FigureMask>(second)).key);
    }
  }
  for (int points = 4 * geomancy::kHouseCount; points <= 8 * geomancy::kHouseCount; ++points) {
    pieces.jsonIndex[points] =
        joined({"],\"index\":{\"points\":", std::to_string(points), ",\"house\":",
                std::to_string(geomancy::indexHouse(points)), "},\"way\":["});
  }
  for (int a = 1; a <= geomancy::kHouseCount; ++a) {
    for (int b = 1; b <= geomancy::kHouseCount; ++b) {
      pieces.jsonPairs[a][b] = joined({"[", std::to_string(a), ",", std::to_string(b), "]"});
    }
    for (int b = 1; b <= geomancy::kHouseCount; ++b) {
      pieces.jsonPerfections[a][b] = joined({",\"perfection\":{\"querent\":", std::to_string(a),
                                             ",\"quesited\":", std::to_string(b)});
    }
    for (const int whose : {0, 1}) {
      pieces.jsonConjunctions[a][whose] =
          joined({"{\"house\":", std::to_string(a),
                  ",\"figure_of\":", whose == 0 ? "\"querent\"}" : "\"quesited\"}"});
    }
  }
  for (int row = 1; row <= geomancy::kRowsPerFigure; ++row) {
    for (int slice = 0; slice < kRowSlices; ++slice) {
      pieces.jsonWays[row - 1][slice] =
          jsonWay(geomancy::wayOfThePoint(chartOfSlice(row, slice), row));
    }
  }
  return pieces;
}

const Pieces& pieces() {
  static const Pieces kPieces = buildPieces();
  return kPieces;
}

void appendHousesJson(std::string& out, const geomancy::ShieldMasks& chart) {
  const Pieces& p = pieces();
  out += ",\"houses\":[";
  for (int house = 1; house < geomancy::kHouseCount; house += 2) {
    if (house > 1) out += ',';
    out += p.jsonKeyPairs[geomancy::houseFigure(chart, house)]
                         [geomancy::houseFigure(chart, house + 1)];
  }
  out += p.jsonIndex[geomancy::partOfFortune(chart).points];
  for (int row = 1; row <= geomancy::kRowsPerFigure; ++row) {
    if (row > 1) out += ',';
    out += p.jsonWays[row - 1][rowSlice(chart, row)];
  }
  out += ']';
}

template <typename Pairs>
void appendPairsJson(std::string& out, std::string_view key, const Pairs& pairs) {
  const Pieces& p = pieces();
  out += key;
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    if (i > 0) out += ',';
    out += p.jsonPairs[pairs[i].a][pairs[i].b];
  }
  out += ']';
}

void appendPerfectionJson(std::string& out, const geomancy::Perfection& perfection) {
  const Pieces& p = pieces();
  out += p.jsonPerfections[perfection.querent][perfection.quesited];
  out += perfection.occupation ? ",\"occupation\":true" : ",\"occupation\":false";
  out += ",\"conjunction\":[";
  for (std::size_t i = 0; i < perfection.conjunction.size(); ++i) {
    if (i > 0) out += ',';
    const auto& conjunction = perfection.conjunction[i];
    out +=
        p.jsonConjunctions[conjunction.house]
                          [conjunction.figureOf == geomancy::Perfection::Significator::Querent ? 0
                                                                                               : 1];
  }
  out += ']';
  appendPairsJson(out, ",\"mutation\":[", perfection.mutation);
  appendPairsJson(out, ",\"translation\":[", perfection.translation);
  out += perfection.perfects() ? ",\"perfects\":true}" : ",\"perfects\":false}";
}

}  // namespace

Reading readingFromMothers(const Mothers& mothers) noexcept {
  return readingFromChart(geomancy::shieldMasks(mothers));
}

void appendJsonString(std::string& out, std::string_view text) {
  static constexpr std::string_view kHex = "0123456789abcdef";
  const auto needsEscape = [](char c) {
    return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
  };
  out += '"';
  // Texts go out in runs between the characters to escape, not byte by byte.
  const char* plainFrom = text.data();
  const char* const end = text.data() + text.size();
  for (const char* at = plainFrom; at != end; ++at) {
    if (!needsEscape(*at)) continue;
    out.append(plainFrom, at);
    plainFrom = at + 1;
    switch (*at) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default: {
        const auto byte = static_cast<unsigned char>(*at);
        out += "\\u00";
        out += kHex[byte >> 4];
        out += kHex[byte & 0xF];
      }
    }
  }
  out.append(plainFrom, end);
  out += '"';
}

void appendJson(std::string& out, const Reading& reading, const Analyses& analyses) {
  const Pieces& p = pieces();
  const std::size_t start = out.size();
  out += p.jsonFrame;
  char* const line = out.data() + start;
  for (int position = 0; position < kFigureCount; ++position) {
    std::memcpy(line + p.jsonPlaces[position], p.jsonRows[reading.chart[position]].data(), 8);
  }
  std::memcpy(line + p.jsonPlaces[kReconcilerPlace], p.jsonRows[reading.reconciler].data(), 8);
  out += p.jsonJudgeTexts[reading.judge()];
  if (analyses.houses) appendHousesJson(out, reading.chart);
  if (analyses.quesited) {
    appendPerfectionJson(out,
                         geomancy::perfection(reading.chart, analyses.querent, *analyses.quesited));
  }
  out += "}\n";
}

void appendPlain(std::string& out, const Reading& reading, const Analyses& analyses) {
  appendShieldDrawing(out, reading);
  out += pieces().plainJudgeTexts[reading.judge()];
  if (analyses.houses) {
    out += '\n';
    appendHouses(out, reading);
  }
  if (analyses.quesited) {
    if (!analyses.houses) out += '\n';
    appendPerfection(out,
                     geomancy::perfection(reading.chart, analyses.querent, *analyses.quesited));
  }
}

}  // namespace qxcast
