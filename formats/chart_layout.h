// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cast_time.h"
#include "chart_analysis.h"

// The picture of a reading as a value: every shape, line and text with its place, size and style,
// in drawing order, grouped as a reader names the parts (a figure, a house, the legend). Painters
// draw it as it stands: as SVG, or on a screen, an image, a PDF or paper. Coordinates are pixels
// at a scale of 1, y downwards; texts are already fitted to their boxes.
namespace formats {

// What stands above the chart: the reading's question and when it was cast. Either may be
// missing, and then it is left out.
struct ChartHeading {
  std::string question;
  std::optional<CastTime> castAt;
};

namespace layout {

struct Point {
  int x;
  int y;
};

// A part of the picture, with the id a reader finds it by ("mother-1", "house-7", "legend"),
// shifted down by `shiftDown` when given, with a title a viewer shows when the pointer rests on it.
struct GroupStart {
  std::string id;
  std::optional<int> shiftDown;
  std::string title;
  bool roundJoins = false;  // its lines meet in rounded corners
};
struct GroupEnd {};

enum class BoxKind {
  Layout,      // the room a figure's captions or a block of text are fitted to; not drawn
  Framed,      // the same, framed: the Judge's and the Reconciler's
  HouseCell,   // a house of the house chart
  Backing,     // white, faintly see-through, behind the court's figures
  Mark,        // a significator's frame round its house, in its colour
  MarkSample,  // the same frame beside its entry in the legend
};
struct Box {
  int x;
  int y;
  int width;
  int height;
  BoxKind kind;
  std::string_view colour;  // of a Mark or MarkSample
};

// A point of a figure: a filled circle.
inline constexpr double kDotRadius = 4.5;
struct Dot {
  Point centre;
};

struct TextStyle {
  int size = 11;
  bool bold = false;
  bool fromStart = false;     // anchored at its start rather than its middle
  std::string_view colour;    // black when empty
  std::string_view id;        // the text's own id, when a reader looks for it
};
// One line of text; (x, y) is the middle, or the start, of its baseline.
struct Text {
  Point at;
  std::string text;
  TextStyle style;
};

// The Part of Fortune's sign: a circle with a saltire.
struct IndexSign {
  Point centre;
  int radius;
};

// The lines drawn between the significators' houses, by kind.
enum class LineKind { Conjunction, Mutation, Translation, Aspect };
struct LineStyle {
  std::string_view name;  // the SVG class
  std::string_view label;
  std::string_view colour;
  bool dashed;
};
inline constexpr std::array<LineStyle, 4> kLineStyles{{
    {"conjunction", "Conjunction", "#1f5fbf", false},
    {"mutation", "Mutation", "#2e8b57", false},
    {"translation", "Translation", "#8b3fbf", false},
    {"aspect", "Aspect, not a perfection", "#c06000", true},
}};
[[nodiscard]] constexpr const LineStyle& styleOf(LineKind kind) {
  return kLineStyles[static_cast<std::size_t>(kind)];
}

// A line through houses, with what it shows as its title.
struct Polyline {
  LineKind kind;
  std::vector<Point> points;
  std::string title;
};
// A short sample of a kind of line, in the legend.
struct Segment {
  LineKind kind;
  Point from;
  Point to;
};

using Item = std::variant<GroupStart, GroupEnd, Box, Dot, Text, IndexSign, Polyline, Segment>;

}  // namespace layout

struct ChartLayout {
  int width = 0;
  int height = 0;
  std::vector<layout::Item> items;
};

// The Shield chart, laid out as the text chart: each figure in a group of its own ("mother-1" ...
// "judge", "reconciler") with its position and names beneath, the Judge and the Reconciler framed
// and in bold. When the analysis holds the houses or a question, the house chart stands beside
// it: a group for each house ("house-1" ... "house-12"), the court in the middle, the Index, the
// querent's and the quesited's marks, a line for each perfection and aspect, and a legend.
[[nodiscard]] ChartLayout layOutChart(const geomancy::ChartAnalysis& analysis,
                                      const ChartHeading& heading = {});

}  // namespace formats
