// SPDX-License-Identifier: MIT
#include "reading_json.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <stdexcept>
#include <utility>

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

// A piece of a line, kept in N bytes and copied whole, so that the copy is a few moves the
// compiler knows the size of; only its first `size` bytes count.
template <std::size_t N>
struct Slot {
  std::array<char, N> text{};
  std::uint8_t size = 0;
};

template <std::size_t N>
constexpr Slot<N> slotOf(std::string_view text) {
  static_assert(N < 256);
  if (text.size() > N) throw std::logic_error("a JSON piece outgrew its slot");
  Slot<N> slot;
  text.copy(slot.text.data(), text.size());
  slot.size = static_cast<std::uint8_t>(text.size());
  return slot;
}

// `Count` pieces of any length, each copied as its first kHead bytes whole, like a slot, and the
// rest, if any, by length: most ways of the point are shorter than that, and a copy by length
// costs a call and a guess at the size. The heads lie in a table of their own, aligned, and the
// rest one after the other in one text.
template <std::size_t Count>
class LongPieces {
 public:
  static constexpr std::size_t kHead = 96;

  void set(std::size_t piece, std::string_view text) {
    const std::size_t head = std::min(kHead, text.size());
    text.copy(heads_[piece].text.data(), head);
    sizes_[piece] = static_cast<std::uint32_t>(text.size());
    tailAt_[piece] = static_cast<std::uint32_t>(tails_.size());
    tails_ += text.substr(head);
  }

  [[nodiscard]] const char* head(std::size_t piece) const { return heads_[piece].text.data(); }
  [[nodiscard]] const char* tail(std::size_t piece) const { return tails_.data() + tailAt_[piece]; }
  [[nodiscard]] std::size_t size(std::size_t piece) const { return sizes_[piece]; }
  [[nodiscard]] std::size_t longest() const {
    std::size_t longest = 0;
    for (const auto size : sizes_) longest = std::max<std::size_t>(longest, size);
    return longest;
  }

 private:
  struct alignas(16) Head {
    std::array<char, kHead> text;
  };
  std::array<Head, Count> heads_{};
  std::array<std::uint32_t, Count> sizes_{};
  std::array<std::uint32_t, Count> tailAt_{};
  std::string tails_;
};

// Writes pieces one after the other into room made beforehand. Passed and returned by value, so
// that its place stays in a register: kept in memory, it would be stored and read back around
// every piece, as the pieces' bytes might overwrite it.
class Cursor {
 public:
  explicit Cursor(char* at) : at_(at) {}

  template <std::size_t N>
  void put(const Slot<N>& slot) {
    std::memcpy(at_, slot.text.data(), N);
    at_ += slot.size;
  }
  // A literal, its size known when compiled.
  template <std::size_t N>
  void put(const char (&text)[N]) {
    std::memcpy(at_, text, N - 1);
    at_ += N - 1;
  }
  void put(std::string_view text) {
    std::memcpy(at_, text.data(), text.size());
    at_ += text.size();
  }
  template <std::size_t Count>
  void put(const LongPieces<Count>& pieces, std::size_t piece) {
    const std::size_t size = pieces.size(piece);
    constexpr std::size_t kHead = LongPieces<Count>::kHead;
    std::memcpy(at_, pieces.head(piece), kHead);
    if (size > kHead) std::memcpy(at_ + kHead, pieces.tail(piece), size - kHead);
    at_ += size;
  }
  void put(char c) { *at_++ = c; }

  [[nodiscard]] char* at() const { return at_; }

 private:
  char* at_;
};

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
  // From the end of the houses to the start of the ways, by the Index's points.
  std::array<Slot<48>, 8 * kHouseCount + 1> index;
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
  // The most the frame and the Judge's texts and the ways take.
  std::size_t longestStart = 0;
  std::size_t longestWay = 0;
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
    pieces.longestStart =
        std::max(pieces.longestStart, pieces.frame.size() + pieces.judgeTexts[mask].size());
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
  for (int points = 4 * kHouseCount; points <= 8 * kHouseCount; ++points) {
    pieces.index[points] =
        slotOf<48>(joined({"],\"index\":{\"points\":", number(points),
                           ",\"house\":", number(geomancy::indexHouse(points)), "},\"way\":["}));
  }
  for (int row = 1; row <= geomancy::kRowsPerFigure; ++row) {
    pieces.rowStarts[row - 1] = slotOf<16>(joined({row > 1 ? "," : "", "{\"row\":", number(row)}));
  }
  for (int each = 0; each < kWayCases; ++each) {
    pieces.ways.set(each, wayJson(geomancy::wayOfThePoint(static_cast<geomancy::WayCase>(each))));
  }
  pieces.longestWay = 16 + std::max(pieces.ways.longest(), LongPieces<kWayCases>::kHead);
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
  // Every piece at its largest, its whole slot copied, with room to spare for the literals.
  constexpr std::size_t kHouses = 6 * 41 + 48 + 1;
  constexpr std::size_t kPerfection =
      80 + 4 * 41 + (2 * kHouseCount + 4) * 9 + 2 * (kHouseCount - 1) * 81 + 256;
  constexpr std::size_t kCompany = 2 * 128;
  const std::size_t longest =
      pieces.longestStart + kHouses + 4 * pieces.longestWay + kPerfection + kCompany + 256;
  if (longest > kJsonLineRoom) throw std::logic_error("a JSON line can outgrow its room");
  return pieces;
}

const Pieces& pieces() {
  static const Pieces kPieces = buildPieces();
  return kPieces;
}

Cursor writeHouses(Cursor out, const Pieces& p, const geomancy::ChartAnalysis& analysis) {
  const geomancy::ShieldMasks& chart = analysis.reading.chart;
  out.put(",\"houses\":[");
  for (int house = 1; house < kHouseCount; house += 2) {
    if (house > 1) out.put(',');
    out.put(
        p.keyPairs[geomancy::houseFigure(chart, house)][geomancy::houseFigure(chart, house + 1)]);
  }
  out.put(p.index[analysis.houses->index.points]);
  for (int row = 1; row <= geomancy::kRowsPerFigure; ++row) {
    out.put(p.rowStarts[row - 1]);
    out.put(p.ways, analysis.houses->ways[row - 1]);
  }
  out.put(']');
  return out;
}

template <typename Pairs>
Cursor writePairs(Cursor out, const Pieces& p, const Pairs& pairs) {
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    if (i > 0) out.put(',');
    out.put(p.housePairs[pairs[i].a][pairs[i].b]);
  }
  return out;
}

// Chosen by a flag, false first, without a branch: the flags of the charts follow no pattern.
constexpr std::array<Slot<32>, 2> kPerfects{slotOf<32>("],\"perfects\":false,\"aspects\":["),
                                            slotOf<32>("],\"perfects\":true,\"aspects\":[")};
constexpr std::array<Slot<24>, 2> kDenial{slotOf<24>("],\"denial\":false}"),
                                          slotOf<24>("],\"denial\":true}")};
constexpr std::array<Slot<16>, 2> kHalted{slotOf<16>(",\"halted\":false"),
                                          slotOf<16>(",\"halted\":true")};

Cursor writePerfection(Cursor out, const Pieces& p, const Perfection& perfection) {
  out.put(p.perfections[perfection.querent][perfection.quesited][perfection.occupation ? 1 : 0]);
  for (std::size_t i = 0; i < perfection.conjunction.size(); ++i) {
    if (i > 0) out.put(',');
    const auto& conjunction = perfection.conjunction[i];
    out.put(p.conjunctions[conjunction.house][static_cast<std::size_t>(conjunction.figureOf)]);
  }
  out.put("],\"mutation\":[");
  out = writePairs(out, p, perfection.mutation);
  out.put("],\"translation\":[");
  out = writePairs(out, p, perfection.translation);
  out.put(kPerfects[perfection.perfects() ? 1 : 0]);
  for (std::size_t i = 0; i < perfection.aspects.size(); ++i) {
    if (i > 0) out.put(',');
    const auto& aspect = perfection.aspects[i];
    out.put(p.aspects[aspect.from][aspect.onto][static_cast<std::size_t>(aspect.figureOf)]);
  }
  out.put(kDenial[perfection.denial() ? 1 : 0]);
  return out;
}

Cursor writeCompany(Cursor out, const Pieces& p, const geomancy::HouseAnalysis& houses) {
  const auto kinds = [&houses](int first) {
    const auto kind = [&houses](int pair) { return static_cast<int>(houses.company[pair]); };
    return (kind(first) * kCompanyKinds + kind(first + 1)) * kCompanyKinds + kind(first + 2);
  };
  out.put(p.company[0][kinds(0)]);
  out.put(p.company[1][kinds(3)]);
  return out;
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

char* writeJson(char* at, const geomancy::ChartAnalysis& analysis) {
  const Pieces& p = pieces();
  const geomancy::Reading& reading = analysis.reading;
  Cursor out(at);
  out.put(p.frame);
  for (int position = 0; position < kFigureCount; ++position) {
    std::memcpy(at + p.places[position], p.rows[reading.chart[position]].data(), 8);
  }
  std::memcpy(at + p.places[kReconcilerPlace], p.rows[reading.reconciler].data(), 8);
  out.put(p.judgeTexts[reading.judge()]);
  if (analysis.houses) out = writeHouses(out, p, analysis);
  if (analysis.perfection) out = writePerfection(out, p, *analysis.perfection);
  if (analysis.houses) out = writeCompany(out, p, *analysis.houses);
  if (analysis.judged()) out.put(kHalted[analysis.halted ? 1 : 0]);
  out.put("}\n");
  return out.at();
}

}  // namespace qxcast
