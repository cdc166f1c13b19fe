#include "reading.h"

#include <array>
#include <charconv>

#include "geomancy.h"
#include "shield_chart.h"

namespace qxcast {
namespace {

using geomancy::Figure;
using geomancy::kFigureCount;
using modGeomancy::CatalogueEntry;

constexpr int kMother1 = 0;

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

// Every figure of a chart is made of rows 1 and 2 and so has an entry.
const CatalogueEntry& entryOf(const Figure& figure) {
  return *modGeomancy::entryForRows(figure);
}

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
  out += entryOf(figure).figureName;
  out += '\n';
  for (const auto row : figure) {
    out += row == geomancy::kOnePoint ? kOnePointDrawing : kTwoPointsDrawing;
  }
  out += '\n';
}

}  // namespace

Reading castReading(geomancy::ShieldChart& chart) {
  Reading reading;
  chart.reset();
  for (int position = 0; position < kFigureCount; ++position) {
    reading.chart[position] = chart.produceFigure(position);
  }
  reading.reconciler = geomancy::addFigures(reading.judge(), reading.chart[kMother1]);
  return reading;
}

Reading readingFromMothers(const Mothers& mothers) {
  Reading reading;
  reading.chart = geomancy::shieldFromMothers(mothers);
  reading.reconciler = geomancy::addFigures(reading.judge(), reading.chart[kMother1]);
  return reading;
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
  out += '{';
  for (const JsonGroup& group : kJsonGroups) {
    out += '"';
    out += group.name;
    out += "\":[";
    for (int position = group.first; position < group.first + group.count; ++position) {
      if (position > group.first) out += ',';
      appendFigureJson(out, reading.chart[position]);
    }
    out += "],";
  }
  out += "\"judge\":";
  appendFigureJson(out, reading.judge());
  out += ",\"reconciler\":";
  appendFigureJson(out, reading.reconciler);

  const CatalogueEntry& judge = entryOf(reading.judge());
  out += ",\"figure\":{\"key\":";
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
}

void appendPlain(std::string& out, const Reading& reading) {
  for (int position = 0; position < kFigureCount; ++position) {
    appendFigurePlain(out, geomancy::figureCaption(position), reading.chart[position]);
  }
  appendFigurePlain(out, kReconcilerCaption, reading.reconciler);

  const CatalogueEntry& judge = entryOf(reading.judge());
  out += "Judge:        ";
  out += judge.figureName;
  out += '\n';
  for (const LabelledText& text : kPlainTexts) {
    out += text.label;
    out += judge.*text.text;
    out += '\n';
  }
}

}  // namespace qxcast
