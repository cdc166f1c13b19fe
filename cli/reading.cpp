#include "reading.h"

#include <array>
#include <charconv>
#include <cstring>

#include "geomancy.h"

namespace qxcast {
namespace {

using geomancy::Figure;
using geomancy::FigureMask;
using geomancy::kFigureCount;
using geomancy::kMaskCount;
using modGeomancy::CatalogueEntry;

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

constexpr std::string_view kOnePointDrawing = "    *\n";
constexpr std::string_view kTwoPointsDrawing = "  *   *\n";
constexpr std::string_view kReconcilerCaption = "Reconciler Figure";

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

void appendFigurePlain(std::string& out, std::string_view caption, const Figure& figure) {
  out += caption;
  out += ": ";
  out += modGeomancy::entryForMask(geomancy::maskOf(figure)).figureName;
  out += '\n';
  for (const auto row : figure) {
    out += row == geomancy::kOnePoint ? kOnePointDrawing : kTwoPointsDrawing;
  }
  out += '\n';
}

// Every JSON line has the same frame, and only the figures in it and the Judge's texts differ; a
// figure's rows always stand just before a "]". So a line is the frame with eight characters
// written into each of its sixteen places, then the Judge's texts, all worked out once from the
// catalogue. Plain text is made the same way from each figure drawn under each caption.
struct Pieces {
  std::string jsonFrame;
  std::array<std::size_t, kFigurePlaces> jsonPlaces{};
  std::array<std::array<char, 8>, kMaskCount> jsonRows{};
  std::array<std::string, kMaskCount> jsonJudgeTexts;
  std::array<std::array<std::string, kMaskCount>, kFigurePlaces> plainFigures;
  std::array<std::string, kMaskCount> plainJudgeTexts;
};

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
  out += "}}\n";
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
    const CatalogueEntry& entry = modGeomancy::entryForMask(figureMask);
    pieces.jsonJudgeTexts[mask] = jsonJudgeTexts(entry);
    pieces.plainJudgeTexts[mask] = plainJudgeTexts(entry);
    for (int place = 0; place < kFigurePlaces; ++place) {
      const std::string_view caption =
          place == kReconcilerPlace ? kReconcilerCaption : geomancy::figureCaption(place);
      appendFigurePlain(pieces.plainFigures[place][mask], caption, figure);
    }
  }
  return pieces;
}

const Pieces& pieces() {
  static const Pieces kPieces = buildPieces();
  return kPieces;
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

void appendJson(std::string& out, const Reading& reading) {
  const Pieces& p = pieces();
  const std::size_t start = out.size();
  out += p.jsonFrame;
  char* const line = out.data() + start;
  for (int position = 0; position < kFigureCount; ++position) {
    std::memcpy(line + p.jsonPlaces[position], p.jsonRows[reading.chart[position]].data(), 8);
  }
  std::memcpy(line + p.jsonPlaces[kReconcilerPlace], p.jsonRows[reading.reconciler].data(), 8);
  out += p.jsonJudgeTexts[reading.judge()];
}

void appendPlain(std::string& out, const Reading& reading) {
  const Pieces& p = pieces();
  for (int position = 0; position < kFigureCount; ++position) {
    out += p.plainFigures[position][reading.chart[position]];
  }
  out += p.plainFigures[kReconcilerPlace][reading.reconciler];
  out += p.plainJudgeTexts[reading.judge()];
}

}  // namespace qxcast
