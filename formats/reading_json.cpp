// SPDX-License-Identifier: MIT
#include "reading_json.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "catalogue.h"
#include "joined.h"
#include "json_pieces.h"
#include "json_writer.h"
#include "judge_texts.h"
#include "judgement_json.h"

namespace formats {

namespace json_pieces {

Room moreRoom(TextBuffer& out, char* at, std::size_t needed) {
  out.keepUpTo(at);
  char* const room = out.room(needed);
  return {room, out.limit()};
}

}  // namespace json_pieces

namespace {

using json_pieces::Cursor;
using json_pieces::LongPieces;
using json_pieces::Slot;
using json_pieces::slotOf;

using geomancy::CatalogueEntry;
using geomancy::Figure;
using geomancy::FigureMask;
using geomancy::kFigureCount;
using geomancy::kHouseCount;
using geomancy::kMaskCount;
using geomancy::Perfection;
using handbook::joined;
using Significator = Perfection::Significator;

// The fifteen positions of the chart, then the Reconciler.
constexpr int kReconcilerPlace = kFigureCount;
constexpr int kFigurePlaces = kFigureCount + 1;
constexpr int kWayCases = 1 << geomancy::kFirstNiece;
constexpr int kCompanyKinds = 5;

std::string number(int value) {
  return std::to_string(value);
}

std::string whose(Significator significator) {
  return joined({"\"", geomancy::significatorName(significator), "\""});
}

template <typename Piece>
using ByHouse = std::array<Piece, kHouseCount + 1>;  // [0] unused

// Every JSON line has the same frame, and only the figures in it and the Judge's texts differ; a
// figure's rows always stand just before a "]". So a line is the frame with eight characters
// written into each of its sixteen places, then the Judge's texts, all worked out once from the
// catalogue; so is every piece of the analyses that can take only a few values.
struct Pieces {
  std::string frame;
  std::array<std::size_t, kFigurePlaces> places{};
  std::array<std::array<char, 8>, kMaskCount> rows{};
  std::array<std::string, kMaskCount> judgeTexts;
  std::array<std::array<Slot<40>, kMaskCount>, kMaskCount> keyPairs;  // "KEY1","KEY2"
  // From the end of the houses to the start of the ways, by the order and the Index's points.
  std::array<std::array<Slot<48>, 8 * kHouseCount + 1>, geomancy::kHouseOrderCount> index;
  // "{"row":r", with the comma before all rows but the first, and what follows the row's number
  // by the way's case: the same for every row.
  std::array<Slot<16>, geomancy::kRowsPerFigure> rowStarts;
  LongPieces<kWayCases> ways;
  // ","perfection":{"querent":M,"quesited":N,"occupation":o,"conjunction":[", by the two houses
  // and the occupation.
  ByHouse<ByHouse<std::array<Slot<80>, 2>>> perfections;
  // "{"house":h,"figure_of":"querent"}" (then "quesited"), and "[a,b]", by house.
  ByHouse<std::array<Slot<40>, 2>> conjunctions;
  ByHouse<ByHouse<Slot<8>>> housePairs;
  // By the house an aspect is cast from, the house it is cast onto and whose figure casts it.
  ByHouse<ByHouse<std::array<Slot<80>, 2>>> aspects;
  // By the kinds of three pairs at a time (the first pair's kind times 25, and so on): the first
  // three with the key before them, the last three with the bracket after them.
  std::array<std::array<Slot<128>, kCompanyKinds * kCompanyKinds * kCompanyKinds>, 2> company;
};

void addPlace(Pieces& pieces, int place) {
  pieces.frame += '[';
  pieces.places[place] = pieces.frame.size();
  pieces.frame += "1,1,1,1]";
}

void buildFrame(Pieces& pieces) {
  std::string& frame = pieces.frame;
  frame += '{';
  for (const geomancy::PositionGroup& group : geomancy::kPositionGroups) {
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
  for (const JudgeText& text : kJudgeTexts) {
    out += ",\"";
    out += text.jsonKey;
    out += "\":";
    appendJsonString(out, judge.*text.text);
  }
  out += '}';
  return out;
}

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

std::string aspectJson(int from, int onto, Significator figureOf) {
  const geomancy::AspectOver over = geomancy::aspectOver(from, onto);
  if (!over.cast) return {};
  std::string out = joined({"{\"from\":", number(from), ",\"onto\":", number(onto), ",\"kind\":"});
  appendJsonString(out, geomancy::aspectName(over.kind));
  out += ",\"side\":";
  if (over.side == geomancy::AspectSide::Neither) {
    out += "null";
  } else {
    appendJsonString(out, geomancy::sideName(over.side));
  }
  return joined({out, ",\"figure_of\":", whose(figureOf), "}"});
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
      std::string pair;
      appendJsonString(pair, geomancy::entryForMask(figureMask).key);
      pair += ',';
      appendJsonString(pair, geomancy::entryForMask(static_cast<FigureMask>(second)).key);
      pieces.keyPairs[mask][second] = slotOf<40>(pair);
    }
  }
}

void buildHousePieces(Pieces& pieces) {
  for (int order = 0; order < geomancy::kHouseOrderCount; ++order) {
    for (int points = 4 * kHouseCount; points <= 8 * kHouseCount; ++points) {
      const int house = geomancy::houseOfFigure(geomancy::indexFigure(points),
                                                static_cast<geomancy::HouseOrder>(order));
      pieces.index[order][points] =
          slotOf<48>(joined({"],\"index\":{\"points\":", number(points),
                             ",\"house\":", number(house), "},\"way\":["}));
    }
  }
  for (int row = 1; row <= geomancy::kRowsPerFigure; ++row) {
    pieces.rowStarts[row - 1] = slotOf<16>(joined({row > 1 ? "," : "", "{\"row\":", number(row)}));
  }
  for (int each = 0; each < kWayCases; ++each) {
    pieces.ways.set(each, wayJson(geomancy::wayOfThePoint(static_cast<geomancy::WayCase>(each))));
  }
  for (int half = 0; half < 2; ++half) {
    for (int kinds = 0; kinds < kCompanyKinds * kCompanyKinds * kCompanyKinds; ++kinds) {
      std::string piece = half == 0 ? ",\"company\":[" : "";
      for (int third = 0, divisor = kCompanyKinds * kCompanyKinds; third < 3;
           ++third, divisor /= kCompanyKinds) {
        const int pair = 3 * half + third;
        piece += joined({pair > 0 ? "," : "", "{\"houses\":[", number(2 * pair + 1), ",",
                         number(2 * pair + 2), "],\"kind\":"});
        const auto kind = static_cast<geomancy::Company>(kinds / divisor % kCompanyKinds);
        if (kind == geomancy::Company::None) {
          piece += "null";
        } else {
          appendJsonString(piece, geomancy::companyName(kind));
        }
        piece += '}';
      }
      pieces.company[half][kinds] = slotOf<128>(half == 1 ? piece + "]" : piece);
    }
  }
}

void buildPerfectionPieces(Pieces& pieces) {
  for (int a = 1; a <= kHouseCount; ++a) {
    for (int b = 1; b <= kHouseCount; ++b) {
      for (const bool occupation : {false, true}) {
        pieces.perfections[a][b][occupation ? 1 : 0] = slotOf<80>(
            joined({",\"perfection\":{\"querent\":", number(a), ",\"quesited\":", number(b),
                    ",\"occupation\":", occupation ? "true" : "false", ",\"conjunction\":["}));
      }
      pieces.housePairs[a][b] = slotOf<8>(joined({"[", number(a), ",", number(b), "]"}));
      for (const Significator significator : {Significator::Querent, Significator::Quesited}) {
        pieces.aspects[a][b][static_cast<std::size_t>(significator)] =
            slotOf<80>(aspectJson(a, b, significator));
      }
    }
    for (const Significator significator : {Significator::Querent, Significator::Quesited}) {
      pieces.conjunctions[a][static_cast<std::size_t>(significator)] = slotOf<40>(
          joined({"{\"house\":", number(a), ",\"figure_of\":", whose(significator), "}"}));
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

void writeHouses(Cursor& out, const Pieces& p, const geomancy::ChartAnalysis& analysis) {
  const geomancy::HouseFigures& houses = analysis.houseFigures;
  out.put(",\"houses\":[");
  for (int house = 1; house < kHouseCount; house += 2) {
    if (house > 1) out.put(',');
    out.put(p.keyPairs[houses(house)][houses(house + 1)]);
  }
  out.put(p.index[static_cast<std::size_t>(houses.order)][analysis.houses->index.points]);
  for (int row = 1; row <= geomancy::kRowsPerFigure; ++row) {
    out.put(p.rowStarts[row - 1]);
    out.put(p.ways, analysis.houses->ways[row - 1]);
  }
  out.put(']');
}

template <typename Pairs>
void writePairs(Cursor& out, const Pieces& p, const Pairs& pairs) {
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    if (i > 0) out.put(',');
    out.put(p.housePairs[pairs[i].a][pairs[i].b]);
  }
}

// Chosen by a flag, false first, without a branch: the flags of the charts follow no pattern.
constexpr std::array<Slot<32>, 2> kPerfects{slotOf<32>("],\"perfects\":false,\"aspects\":["),
                                            slotOf<32>("],\"perfects\":true,\"aspects\":[")};
constexpr std::array<Slot<24>, 2> kDenial{slotOf<24>("],\"denial\":false}"),
                                          slotOf<24>("],\"denial\":true}")};
constexpr std::array<Slot<16>, 2> kHalted{slotOf<16>(",\"halted\":false"),
                                          slotOf<16>(",\"halted\":true")};

void writePerfection(Cursor& out, const Pieces& p, const Perfection& perfection) {
  out.put(p.perfections[perfection.querent][perfection.quesited][perfection.occupation ? 1 : 0]);
  for (std::size_t i = 0; i < perfection.conjunction.size(); ++i) {
    if (i > 0) out.put(',');
    const auto& conjunction = perfection.conjunction[i];
    out.put(p.conjunctions[conjunction.house][static_cast<std::size_t>(conjunction.figureOf)]);
  }
  out.put("],\"mutation\":[");
  writePairs(out, p, perfection.mutation);
  out.put("],\"translation\":[");
  writePairs(out, p, perfection.translation);
  out.put(kPerfects[perfection.perfects() ? 1 : 0]);
  for (std::size_t i = 0; i < perfection.aspects.size(); ++i) {
    if (i > 0) out.put(',');
    const auto& aspect = perfection.aspects[i];
    out.put(p.aspects[aspect.from][aspect.onto][static_cast<std::size_t>(aspect.figureOf)]);
  }
  out.put(kDenial[perfection.denial() ? 1 : 0]);
}

void writeCompany(Cursor& out, const Pieces& p, const geomancy::HouseAnalysis& houses) {
  const auto kinds = [&houses](int first) {
    const auto kind = [&houses](int pair) { return static_cast<int>(houses.company[pair]); };
    return (kind(first) * kCompanyKinds + kind(first + 1)) * kCompanyKinds + kind(first + 2);
  };
  out.put(p.company[0][kinds(0)]);
  out.put(p.company[1][kinds(3)]);
}

}  // namespace

void appendJsonLine(TextBuffer& out, const geomancy::ChartAnalysis& analysis,
                    std::string_view question, const JournalKeys* journal,
                    const handbook::Judgement* judgement) {
  const Pieces& p = pieces();
  const geomancy::Reading& reading = analysis.reading;
  Cursor cursor(out);
  char* const frame = cursor.put(p.frame);
  for (int position = 0; position < kFigureCount; ++position) {
    std::memcpy(frame + p.places[position], p.rows[reading.chart[position]].data(), 8);
  }
  std::memcpy(frame + p.places[kReconcilerPlace], p.rows[reading.reconciler].data(), 8);
  cursor.put(p.judgeTexts[reading.judge()]);
  if (analysis.request.order != geomancy::HouseOrder::Traditional) {
    cursor.put(",\"order\":\"");
    cursor.put(geomancy::orderName(analysis.request.order));
    cursor.put('"');
  }
  if (analysis.houses) writeHouses(cursor, p, analysis);
  if (analysis.perfection) writePerfection(cursor, p, *analysis.perfection);
  if (analysis.houses) writeCompany(cursor, p, *analysis.houses);
  if (analysis.judged()) cursor.put(kHalted[analysis.halted ? 1 : 0]);
  if (judgement == nullptr && question.empty() && journal == nullptr) {
    cursor.put("}\n");
    cursor.finish();
    return;
  }
  cursor.finish();
  if (judgement != nullptr) appendJudgementJson(out, analysis, *judgement);
  if (question.empty() && journal == nullptr) {
    out += std::string_view("}\n");
    return;
  }

  JsonWriter json(out);
  json.inside();
  if (!question.empty()) json.key("question").value(question);
  if (journal != nullptr) {
    const geomancy::AnalysisRequest& request = journal->request;
    json.key("cast_at").value(journal->castAt.iso());
    json.key("options").beginObject();
    json.key("houses").value(request.houses);
    json.key("querent").value(request.question ? request.question->querent : 1);
    json.key("quesited");
    request.question ? json.value(request.question->quesited) : json.null();
    // Each of these only when it is not what a journal line without it means.
    if (request.order != geomancy::HouseOrder::Traditional) {
      json.key("order").value(geomancy::orderName(request.order));
    }
    if (request.topic) json.key("topic").value(geomancy::topicName(*request.topic));
    if (request.reading) json.key("reading").value(true);
    json.endObject();
    if (journal->byHand) json.key("by_hand").value(true);
  }
  json.endObject();
  out += '\n';
}

}  // namespace formats
