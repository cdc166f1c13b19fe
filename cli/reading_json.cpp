// SPDX-License-Identifier: MIT
#include "reading_json.h"

#include <array>
#include <cstring>
#include <initializer_list>

#include "catalogue.h"

namespace qxcast {
namespace {

using geomancy::CatalogueEntry;
using geomancy::Figure;
using geomancy::FigureMask;
using geomancy::kFigureCount;
using geomancy::kHouseCount;
using geomancy::kMaskCount;
using geomancy::Perfection;
using Significator = Perfection::Significator;

// The chart's positions as the JSON groups them: name, first position, number of figures.
struct JsonGroup {
  std::string_view name;
  int first;
  int count;
};
constexpr std::array<JsonGroup, 4> kJsonGroups{{
    {"mothers", 0, geomancy::kMotherCount},
    {"daughters", geomancy::kFirstDaughter, geomancy::kFirstNiece - geomancy::kFirstDaughter},
    {"nieces", geomancy::kFirstNiece, geomancy::kRightWitness - geomancy::kFirstNiece},
    {"witnesses", geomancy::kRightWitness, geomancy::kJudgePosition - geomancy::kRightWitness},
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

// The fifteen positions of the chart, then the Reconciler.
constexpr int kReconcilerPlace = kFigureCount;
constexpr int kFigurePlaces = kFigureCount + 1;
constexpr int kWayCases = 1 << geomancy::kFirstNiece;
constexpr int kCompanyKinds = 5;

std::string joined(std::initializer_list<std::string_view> parts) {
  std::string out;
  for (const std::string_view part : parts) out += part;
  return out;
}

std::string number(int value) {
  return std::to_string(value);
}

std::string_view whose(Significator significator) {
  return significator == Significator::Querent ? "\"querent\"" : "\"quesited\"";
}

// Every JSON line has the same frame, and only the figures in it and the Judge's texts differ; a
// figure's rows always stand just before a "]". So a line is the frame with eight characters
// written into each of its sixteen places, then the Judge's texts, all worked out once from the
// catalogue; so is every piece of the analyses that can take only a few values.
struct Pieces {
  std::string frame;
  std::array<std::size_t, kFigurePlaces> places{};
  std::array<std::array<char, 8>, kMaskCount> rows{};
  std::array<std::string, kMaskCount> judgeTexts;
  std::array<std::array<std::string, kMaskCount>, kMaskCount> keyPairs;  // "KEY1","KEY2"
  // From the end of the houses to the start of the ways, by the Index's points.
  std::array<std::string, 8 * kHouseCount + 1> index;
  std::array<std::string, kWayCases> ways;  // from "{"row":" on, past the row's number
  // "[a,b]", and "{"house":h,"figure_of":"querent"}" (then "quesited"), by house.
  std::array<std::array<std::string, kHouseCount + 1>, kHouseCount + 1> housePairs;
  std::array<std::array<std::string, 2>, kHouseCount + 1> conjunctions;
  // ","perfection":{"querent":M,"quesited":N", by the two houses.
  std::array<std::array<std::string, kHouseCount + 1>, kHouseCount + 1> perfections;
  // By pair and kind, with the key before the first pair and the comma before the others.
  std::array<std::array<std::string, kCompanyKinds>, geomancy::kCompanyPairs> company;
};

void addPlace(Pieces& pieces, int place) {
  pieces.frame += '[';
  pieces.places[place] = pieces.frame.size();
  pieces.frame += "1,1,1,1]";
}

void buildFrame(Pieces& pieces) {
  std::string& frame = pieces.frame;
  frame += '{';
  for (const JsonGroup& group : kJsonGroups) {
    frame += '"';
    frame += group.name;
    frame += "\":[";
    for (int position = group.first; position < group.first + group.count; ++position) {
      if (position > group.first) frame += ',';
      addPlace(pieces, position);
    }
    frame += "],";
  }
  frame += "\"judge\":";
  addPlace(pieces, geomancy::kJudgePosition);
  frame += ",\"reconciler\":";
  addPlace(pieces, kReconcilerPlace);
}

std::string judgeTexts(const CatalogueEntry& judge) {
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

// The way after its row's number.
std::string wayJson(const geomancy::WayOfThePoint& way) {
  std::string out =
      joined({",\"established\":", way.established ? "true" : "false", ",\"branches\":["});
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

void buildFigurePieces(Pieces& pieces) {
  for (int mask = 0; mask < kMaskCount; ++mask) {
    const auto figureMask = static_cast<FigureMask>(mask);
    const Figure figure = geomancy::figureOf(figureMask);
    std::string rows;
    for (int row = 0; row < geomancy::kRowsPerFigure; ++row) {
      rows += row > 0 ? "," : "";
      rows += static_cast<char>('0' + figure[row]);
    }
    rows += ']';
    rows.copy(pieces.rows[mask].data(), pieces.rows[mask].size());
    pieces.judgeTexts[mask] = judgeTexts(geomancy::entryForMask(figureMask));
    for (int second = 0; second < kMaskCount; ++second) {
      std::string& pair = pieces.keyPairs[mask][second];
      appendJsonString(pair, geomancy::entryForMask(figureMask).key);
      pair += ',';
      appendJsonString(pair, geomancy::entryForMask(static_cast<FigureMask>(second)).key);
    }
  }
}

void buildHousePieces(Pieces& pieces) {
  for (int points = 4 * kHouseCount; points <= 8 * kHouseCount; ++points) {
    pieces.index[points] =
        joined({"],\"index\":{\"points\":", number(points),
                ",\"house\":", number(geomancy::indexHouse(points)), "},\"way\":["});
  }
  for (int each = 0; each < kWayCases; ++each) {
    pieces.ways[each] = wayJson(geomancy::wayOfThePoint(static_cast<geomancy::WayCase>(each)));
  }
  for (int pair = 0; pair < geomancy::kCompanyPairs; ++pair) {
    for (int kind = 0; kind < kCompanyKinds; ++kind) {
      const std::string_view name = geomancy::companyName(static_cast<geomancy::Company>(kind));
      pieces.company[pair][kind] =
          joined({pair == 0 ? ",\"company\":[" : ",", "{\"houses\":[", number(2 * pair + 1), ",",
                  number(2 * pair + 2), "],\"kind\":"});
      if (name.empty()) {
        pieces.company[pair][kind] += "null}";
      } else {
        appendJsonString(pieces.company[pair][kind], name);
        pieces.company[pair][kind] += '}';
      }
    }
  }
}

void buildPerfectionPieces(Pieces& pieces) {
  for (int a = 1; a <= kHouseCount; ++a) {
    for (int b = 1; b <= kHouseCount; ++b) {
      pieces.housePairs[a][b] = joined({"[", number(a), ",", number(b), "]"});
      pieces.perfections[a][b] =
          joined({",\"perfection\":{\"querent\":", number(a), ",\"quesited\":", number(b)});
    }
    for (const Significator significator : {Significator::Querent, Significator::Quesited}) {
      pieces.conjunctions[a][static_cast<std::size_t>(significator)] =
          joined({"{\"house\":", number(a), ",\"figure_of\":", whose(significator), "}"});
    }
  }
}

Pieces buildPieces() {
  Pieces pieces;
  buildFrame(pieces);
  buildFigurePieces(pieces);
  buildHousePieces(pieces);
  buildPerfectionPieces(pieces);
  return pieces;
}

const Pieces& pieces() {
  static const Pieces kPieces = buildPieces();
  return kPieces;
}

void appendHousesJson(std::string& out, const geomancy::ChartAnalysis& analysis) {
  const Pieces& p = pieces();
  const geomancy::ShieldMasks& chart = analysis.reading.chart;
  out += ",\"houses\":[";
  for (int house = 1; house < kHouseCount; house += 2) {
    if (house > 1) out += ',';
    out += p.keyPairs[geomancy::houseFigure(chart, house)][geomancy::houseFigure(chart, house + 1)];
  }
  out += p.index[analysis.houses->index.points];
  for (int row = 1; row <= geomancy::kRowsPerFigure; ++row) {
    out += row > 1 ? ",{\"row\":" : "{\"row\":";
    out += static_cast<char>('0' + row);
    out += p.ways[analysis.houses->ways[row - 1]];
  }
  out += ']';
}

template <typename Pairs>
void appendPairsJson(std::string& out, std::string_view key, const Pairs& pairs) {
  const Pieces& p = pieces();
  out += key;
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    if (i > 0) out += ',';
    out += p.housePairs[pairs[i].a][pairs[i].b];
  }
  out += ']';
}

void appendAspectJson(std::string& out, const Perfection::Aspect& aspect) {
  out += "{\"from\":";
  out += std::to_string(aspect.from);
  out += ",\"onto\":";
  out += std::to_string(aspect.onto);
  out += ",\"kind\":";
  appendJsonString(out, geomancy::aspectName(aspect.kind));
  out += ",\"side\":";
  if (aspect.side == geomancy::AspectSide::Neither) {
    out += "null";
  } else {
    appendJsonString(out, geomancy::sideName(aspect.side));
  }
  out += ",\"figure_of\":";
  out += whose(aspect.figureOf);
  out += '}';
}

void appendPerfectionJson(std::string& out, const Perfection& perfection) {
  const Pieces& p = pieces();
  out += p.perfections[perfection.querent][perfection.quesited];
  out += perfection.occupation ? ",\"occupation\":true" : ",\"occupation\":false";
  out += ",\"conjunction\":[";
  for (std::size_t i = 0; i < perfection.conjunction.size(); ++i) {
    if (i > 0) out += ',';
    const auto& conjunction = perfection.conjunction[i];
    out += p.conjunctions[conjunction.house][static_cast<std::size_t>(conjunction.figureOf)];
  }
  out += ']';
  appendPairsJson(out, ",\"mutation\":[", perfection.mutation);
  appendPairsJson(out, ",\"translation\":[", perfection.translation);
  out += perfection.perfects() ? ",\"perfects\":true" : ",\"perfects\":false";
  out += ",\"aspects\":[";
  for (std::size_t i = 0; i < perfection.aspects.size(); ++i) {
    if (i > 0) out += ',';
    appendAspectJson(out, perfection.aspects[i]);
  }
  out += perfection.denial() ? "],\"denial\":true}" : "],\"denial\":false}";
}

void appendCompanyJson(std::string& out, const geomancy::HouseAnalysis& houses) {
  const Pieces& p = pieces();
  for (int pair = 0; pair < geomancy::kCompanyPairs; ++pair) {
    out += p.company[pair][static_cast<std::size_t>(houses.company[pair])];
  }
  out += ']';
}

}  // namespace

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

void appendJson(std::string& out, const geomancy::ChartAnalysis& analysis) {
  const Pieces& p = pieces();
  const geomancy::Reading& reading = analysis.reading;
  const std::size_t start = out.size();
  out += p.frame;
  char* const line = out.data() + start;
  for (int position = 0; position < kFigureCount; ++position) {
    std::memcpy(line + p.places[position], p.rows[reading.chart[position]].data(), 8);
  }
  std::memcpy(line + p.places[kReconcilerPlace], p.rows[reading.reconciler].data(), 8);
  out += p.judgeTexts[reading.judge()];
  if (analysis.houses) appendHousesJson(out, analysis);
  if (analysis.perfection) appendPerfectionJson(out, *analysis.perfection);
  if (analysis.houses) appendCompanyJson(out, *analysis.houses);
  if (analysis.judged()) out += analysis.halted ? ",\"halted\":true" : ",\"halted\":false";
  out += "}\n";
}

}  // namespace qxcast
