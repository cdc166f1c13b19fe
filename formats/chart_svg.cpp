// SPDX-License-Identifier: MIT
#include "chart_svg.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "house_chart.h"
#include "svg_text.h"

namespace formats {
namespace {

using geomancy::FigureMask;
using geomancy::Perfection;

// The Shield chart, laid out as the text chart.
constexpr int kCell = 120;     // the width of a top-row figure's place
constexpr int kRowStep = 16;   // between the rows of a figure
constexpr int kPointStep = 9;  // from a figure's middle to each of two points
constexpr int kShieldWidth = 8 * kCell;
constexpr int kShieldHeight = 680;
// Every figure stands in a box of its own, around its points and captions; the Judge's and the
// Reconciler's are drawn.
constexpr int kBoxWidth = 112;
constexpr int kBoxHeight = 128;
constexpr int kBoxAbove = 14;  // from the top of the box to the first row of points
constexpr int kCaptionSize = 11;
constexpr int kSmallestCaption = 6;
constexpr int kCaptionPadding = 4;  // on either side, within a box

// The house chart: a square of five by five cells, the twelve houses round the edge with the
// corners left empty, the court in the middle three by three.
constexpr int kHousesLeft = kShieldWidth + 40;
constexpr int kHousesTop = 64;
constexpr int kHouseCell = 140;
constexpr int kHousesSide = 5 * kHouseCell;
constexpr int kLegendTop = kHousesTop + kHousesSide + 16;
constexpr int kLegendRow = 20;
constexpr int kLegendRows = 4;
constexpr int kLegendColumn = kHousesSide / 2;
constexpr int kHousesHeight = kLegendTop + kLegendRows * kLegendRow + 10;

constexpr int kMargin = 20;
constexpr int kQuestionSize = 16;
constexpr int kCastAtSize = 12;

// The cell of each house: house 1 at the left (east) and the houses counter-clockwise, the
// angular houses (1, 4, 7, 10) in the middle of their sides.
struct Cell {
  int column;
  int row;
};
constexpr std::array<Cell, geomancy::kHouseCount> kHouseCells{{
    {0, 2},  // 1: the ascendant, east
    {0, 3},
    {1, 4},
    {2, 4},  // 4: the bottom of the sky, north
    {3, 4},
    {4, 3},
    {4, 2},  // 7: west
    {4, 1},
    {3, 0},
    {2, 0},  // 10: the midheaven, south
    {1, 0},
    {0, 1},
}};

constexpr std::string_view kQuerentColour = "#0b6e99";
constexpr std::string_view kQuesitedColour = "#b03060";
constexpr std::string_view kHaltedColour = "#c00000";

// The lines drawn between the significators' houses, by kind; their class names the kind.
enum class LineKind { Conjunction, Mutation, Translation, Aspect };
struct LineStyle {
  std::string_view kind;
  std::string_view label;
  std::string_view colour;
  bool dashed;
};
constexpr std::array<LineStyle, 4> kLineStyles{{
    {"conjunction", "Conjunction", "#1f5fbf", false},
    {"mutation", "Mutation", "#2e8b57", false},
    {"translation", "Translation", "#8b3fbf", false},
    {"aspect", "Aspect, not a perfection", "#c06000", true},
}};

std::string number(int value) {
  return std::to_string(value);
}

struct TextStyle {
  int size = kCaptionSize;
  bool bold = false;
  bool fromStart = false;  // anchored at its start rather than its middle
  std::string_view fill;   // black when empty
  std::string_view id;

  [[nodiscard]] TextStyle leftAligned() const {
    TextStyle style = *this;
    style.fromStart = true;
    return style;
  }
  [[nodiscard]] TextStyle filled(std::string_view colour) const {
    TextStyle style = *this;
    style.fill = colour;
    return style;
  }
  [[nodiscard]] TextStyle named(std::string_view name) const {
    TextStyle style = *this;
    style.id = name;
    return style;
  }
};

TextStyle regular(int size = kCaptionSize) {
  TextStyle style;
  style.size = size;
  return style;
}

TextStyle bold(int size = kCaptionSize) {
  TextStyle style = regular(size);
  style.bold = true;
  return style;
}

TextStyle boldIf(bool emphasised) {
  return emphasised ? bold() : regular();
}

void appendText(std::string& out, int x, int y, std::string_view text, const TextStyle& style) {
  out += "<text";
  if (!style.id.empty()) out += " id=\"" + std::string(style.id) + "\"";
  out +=
      " x=\"" + number(x) + "\" y=\"" + number(y) + "\" font-size=\"" + number(style.size) + "\"";
  if (style.bold) out += " font-weight=\"bold\"";
  if (style.fromStart) out += " text-anchor=\"start\"";
  if (!style.fill.empty()) out += " fill=\"" + std::string(style.fill) + "\"";
  out += '>';
  appendXmlText(out, text);
  out += "</text>\n";
}

// The text on one line no wider than `width`, its size stepped down as far as that needs.
void appendFitted(std::string& out, int x, int y, std::string_view text, int width,
                  TextStyle style) {
  const FittedText fitted = fitText(text, width, style.size, kSmallestCaption, 1, style.bold);
  style.size = fitted.size;
  // Only a text too long for any size takes more than one line.
  for (const std::string& line : fitted.lines) {
    appendText(out, x, y, line, style);
    y += fitted.size;
  }
}

void appendRect(std::string& out, int x, int y, int width, int height,
                std::string_view attributes) {
  out += "<rect x=\"" + number(x) + "\" y=\"" + number(y) + "\" width=\"" + number(width) +
         "\" height=\"" + number(height) + "\" " + std::string(attributes) + "/>\n";
}

// "Mother 1" as "mother-1".
std::string idOf(std::string_view caption) {
  std::string id;
  for (const char c : caption) id += c == ' ' ? '-' : static_cast<char>(c | 0x20);
  return id;
}

void appendPoints(std::string& out, FigureMask figure, int middle, int top) {
  const auto point = [&out](int x, int y) {
    out += "<circle cx=\"" + number(x) + "\" cy=\"" + number(y) + "\" r=\"4.5\"/>\n";
  };
  for (int row = 0; row < geomancy::kRowsPerFigure; ++row) {
    const int y = top + row * kRowStep;
    if (((figure >> row) & 1u) != 0) {
      point(middle, y);
    } else {
      point(middle - kPointStep, y);
      point(middle + kPointStep, y);
    }
  }
}

// The Latin name, and the English one where the catalogue gives it after " - " (or, once, after
// two spaces).
std::pair<std::string_view, std::string_view> namesOf(FigureMask figure) {
  const std::string_view name = geomancy::entryForMask(figure).figureName;
  for (const std::string_view separator : {" - ", "  "}) {
    if (const std::size_t at = name.find(separator); at != std::string_view::npos) {
      return {name.substr(0, at), name.substr(at + separator.size())};
    }
  }
  return {name, {}};
}

struct Place {
  std::string id;
  std::string caption;
  FigureMask figure;
  int middle;
  int top;  // of the first row of points
  bool emphasised = false;
};

// The figure's points in its box, then its caption and names beneath, each on a line of its own.
void appendFigure(std::string& out, const Place& place) {
  out += "<g id=\"" + place.id + "\">\n";
  appendRect(out, place.middle - kBoxWidth / 2, place.top - kBoxAbove, kBoxWidth, kBoxHeight,
             place.emphasised ? "class=\"box\" fill=\"none\" stroke=\"#800000\" stroke-width=\"2\""
                              : "class=\"box\" fill=\"none\" stroke=\"none\"");
  appendPoints(out, place.figure, place.middle, place.top);
  const int width = kBoxWidth - 2 * kCaptionPadding;
  const int below = place.top + geomancy::kRowsPerFigure * kRowStep + 2;
  appendFitted(out, place.middle, below, place.caption, width, bold());
  const auto [latin, english] = namesOf(place.figure);
  appendFitted(out, place.middle, below + 14, latin, width, boldIf(place.emphasised));
  if (!english.empty()) {
    appendFitted(out, place.middle, below + 28, english, width, boldIf(place.emphasised));
  }
  out += "</g>\n";
}

std::vector<Place> shieldPlaces(const geomancy::Reading& reading) {
  std::vector<Place> places;
  const auto add = [&](int position, int middle, int top) {
    const std::string_view caption = geomancy::positionName(position);
    places.push_back({idOf(caption), std::string(caption), reading.chart[position], middle, top,
                      position == geomancy::kJudgePosition});
  };
  for (int column = 0; column < 8; ++column) {
    add(7 - column, kCell / 2 + column * kCell,
        60);  // Daughter 4 at the left, Mother 1 at the right
  }
  for (int column = 0; column < 4; ++column) add(11 - column, kCell + column * 2 * kCell, 220);
  add(geomancy::kLeftWitness, 2 * kCell, 380);
  add(geomancy::kRightWitness, 6 * kCell, 380);
  add(geomancy::kJudgePosition, 4 * kCell, 540);
  places.push_back(
      {"reconciler", "Reconciler", reading.reconciler, 5 * kCell + kCell / 2, 540, true});
  return places;
}

void appendShieldChart(std::string& out, const geomancy::Reading& reading) {
  appendText(out, 4 * kCell, 24, "The Shield chart, read from right to left", bold(16));
  appendText(out, 2 * kCell, 44, "Daughters", bold(13));
  appendText(out, 6 * kCell, 44, "Mothers", bold(13));
  for (const Place& place : shieldPlaces(reading)) appendFigure(out, place);
}

struct Point {
  int x;
  int y;
};

Point cellOf(int house) {
  const auto [column, row] = kHouseCells[house - 1];
  return {kHousesLeft + column * kHouseCell, kHousesTop + row * kHouseCell};
}

// Where lines meet a house: in the middle square, a little way in from the house's cell, so that
// a line between neighbours stays clear of the cells' edges.
Point anchorOf(int house) {
  constexpr int kInset = 14;
  const auto [column, row] = kHouseCells[house - 1];
  const Point cell = cellOf(house);
  Point anchor{cell.x + kHouseCell / 2, cell.y + kHouseCell / 2};
  if (column == 0) anchor.x = cell.x + kHouseCell + kInset;
  if (column == 4) anchor.x = cell.x - kInset;
  if (row == 0) anchor.y = cell.y + kHouseCell + kInset;
  if (row == 4) anchor.y = cell.y - kInset;
  return anchor;
}

// The Part of Fortune's sign: a circle with a saltire.
void appendIndexSign(std::string& out, Point centre, int radius) {
  const int r = radius;
  const int d = radius * 7 / 10;
  const std::string x = number(centre.x);
  const std::string y = number(centre.y);
  out += "<path d=\"M" + number(centre.x - r) + "," + y + " a" + number(r) + "," + number(r) +
         " 0 1,0 " + number(2 * r) + ",0 a" + number(r) + "," + number(r) + " 0 1,0 " +
         number(-2 * r) + ",0 M" + number(centre.x - d) + "," + number(centre.y - d) + " l" +
         number(2 * d) + "," + number(2 * d) + " M" + number(centre.x - d) + "," +
         number(centre.y + d) + " l" + number(2 * d) + "," + number(-2 * d) +
         "\" fill=\"none\" stroke=\"black\" stroke-width=\"1.5\"/>\n";
}

void appendSignificatorMark(std::string& out, Point cell, std::string_view id,
                            std::string_view label, std::string_view colour) {
  out += "<g id=\"" + std::string(id) + "\">\n";
  appendRect(out, cell.x + 4, cell.y + 4, kHouseCell - 8, kHouseCell - 8,
             "fill=\"none\" stroke=\"" + std::string(colour) + "\" stroke-width=\"3\"");
  appendText(out, cell.x + kHouseCell / 2, cell.y + kHouseCell - 10, label,
             bold(10).filled(colour));
  out += "</g>\n";
}

// A house's cell: its number, its figure and names, and the marks that fall on it.
void appendHouse(std::string& out, const geomancy::ChartAnalysis& analysis, int house) {
  const Point cell = cellOf(house);
  const int middle = cell.x + kHouseCell / 2;
  out += "<g id=\"house-" + number(house) + "\">\n";
  appendRect(out, cell.x, cell.y, kHouseCell, kHouseCell,
             "class=\"box\" fill=\"none\" stroke=\"#404040\"");
  appendText(out, cell.x + 8, cell.y + 20, number(house), bold(14).leftAligned());
  const FigureMask figure = geomancy::houseFigure(analysis.reading.chart, house);
  appendPoints(out, figure, middle, cell.y + 34);
  const auto [latin, english] = namesOf(figure);
  const int width = kHouseCell - 2 * kCaptionPadding;
  appendFitted(out, middle, cell.y + 102, latin, width, regular());
  appendFitted(out, middle, cell.y + 116, english, width, regular());
  if (analysis.houses && analysis.houses->index.house == house) {
    out += "<g id=\"index\">\n<title>The Index: " + number(analysis.houses->index.points) +
           " points</title>\n";
    appendIndexSign(out, {cell.x + kHouseCell - 18, cell.y + 18}, 8);
    out += "</g>\n";
  }
  if (analysis.perfection && analysis.perfection->querent == house) {
    appendSignificatorMark(out, cell, "querent", "Querent", kQuerentColour);
  }
  if (analysis.perfection && analysis.perfection->quesited == house) {
    appendSignificatorMark(out, cell, "quesited", "Quesited", kQuesitedColour);
  }
  out += "</g>\n";
}

// The court in the middle square: the Witnesses above, the Judge and the Reconciler below.
void appendCourt(std::string& out, const geomancy::Reading& reading) {
  constexpr int kQuarter = 3 * kHouseCell / 2;
  const int left = kHousesLeft + kHouseCell + kQuarter / 2;
  const int right = left + kQuarter;
  // A box's middle at the middle of its quarter.
  const int upper = kHousesTop + kHouseCell + kQuarter / 2 - kBoxHeight / 2 + kBoxAbove;
  const int lower = upper + kQuarter;
  const std::array<Place, 4> court{{
      {"court-left-witness", "Left Witness", reading.chart[geomancy::kLeftWitness], left, upper},
      {"court-right-witness", "Right Witness", reading.chart[geomancy::kRightWitness], right,
       upper},
      {"court-judge", "Judge", reading.judge(), left, lower, true},
      {"court-reconciler", "Reconciler", reading.reconciler, right, lower, true},
  }};
  out += "<g id=\"court\">\n";
  for (const Place& place : court) {
    // Lines cross the middle square: behind the court's boxes, faintly.
    appendRect(out, place.middle - kBoxWidth / 2, place.top - kBoxAbove, kBoxWidth, kBoxHeight,
               "fill=\"white\" fill-opacity=\"0.8\"");
    appendFigure(out, place);
  }
  out += "</g>\n";
}

std::string whose(Perfection::Significator significator) {
  return "the " + std::string(geomancy::significatorName(significator)) + "'s";
}

struct Line {
  LineKind kind;
  std::vector<int> houses;  // in the order the line goes through them
  std::string title;
};

// Every perfection found as a line from the querent's house to the quesited's through the houses
// where the figures meet; every aspect as a line from the house that casts it.
std::vector<Line> linesOf(const Perfection& perfection) {
  const int m = perfection.querent;
  const int n = perfection.quesited;
  const auto house = [](int h) { return "house " + number(h); };
  std::vector<Line> lines;
  for (const Perfection::Conjunction& c : perfection.conjunction) {
    lines.push_back(
        {LineKind::Conjunction,
         {m, c.house, n},
         "Conjunction: " + whose(c.figureOf) + " figure in " + house(c.house)});
  }
  for (const Perfection::HousePair& pair : perfection.mutation) {
    lines.push_back({LineKind::Mutation,
                     {m, pair.a, pair.b, n},
                     "Mutation: the querent's figure in " + house(pair.a) + ", the quesited's in " +
                         house(pair.b)});
  }
  for (const Perfection::HousePair& pair : perfection.translation) {
    Line line{LineKind::Translation,
              {m, pair.a, pair.b, n},
              "Translation: the same figure in " + house(pair.a) + " and " + house(pair.b)};
    if (pair.a == pair.b) line.houses = {m, pair.a, n};
    lines.push_back(std::move(line));
  }
  for (const Perfection::Aspect& aspect : perfection.aspects) {
    const std::string_view side = geomancy::sideName(aspect.side);
    lines.push_back({LineKind::Aspect,
                     {aspect.from, aspect.onto},
                     std::string(geomancy::aspectName(aspect.kind)) +
                         (side.empty() ? "" : ", " + std::string(side)) + ": " +
                         whose(aspect.figureOf) + " figure from " +
                         house(aspect.from) + " onto " + house(aspect.onto)});
  }
  return lines;
}

std::string strokeOf(LineKind kind) {
  const LineStyle& style = kLineStyles[static_cast<std::size_t>(kind)];
  return "class=\"" + std::string(style.kind) + "\" fill=\"none\" stroke=\"" +
         std::string(style.colour) + "\" stroke-width=\"2.5\" stroke-opacity=\"0.85\"" +
         (style.dashed ? " stroke-dasharray=\"7 5\"" : "");
}

void appendLines(std::string& out, const std::vector<Line>& lines) {
  out += "<g id=\"perfection-lines\" stroke-linejoin=\"round\">\n";
  // Each line a little aside from the one before, so that lines through the same houses stay
  // apart.
  int aside = 0;
  for (const Line& line : lines) {
    out += "<polyline points=\"";
    for (const int house : line.houses) {
      const Point anchor = anchorOf(house);
      out += number(anchor.x + 3 * aside) + "," + number(anchor.y + 2 * aside) + " ";
    }
    aside = aside >= 2 ? -2 : aside + 1;
    out.back() = '"';
    out += ' ';
    out += strokeOf(line.kind);
    out += "><title>";
    appendXmlText(out, line.title);
    out += "</title></polyline>\n";
  }
  out += "</g>\n";
}

// What the marks and lines mean: the marks in the first column, the kinds of line drawn in the
// second, each with a sample.
void appendLegend(std::string& out, const geomancy::ChartAnalysis& analysis,
                  const std::vector<Line>& lines) {
  out += "<g id=\"legend\">\n";
  appendRect(out, kHousesLeft, kLegendTop, kHousesSide, kLegendRows * kLegendRow + 4,
             "class=\"box\" fill=\"none\" stroke=\"none\"");
  const int width = kLegendColumn - 40;
  int y = kLegendTop + kLegendRow / 2;
  const auto entry = [&out, &y, width](int x, std::string_view text) {
    appendFitted(out, x + 30, y + 4, text, width, regular().leftAligned());
    y += kLegendRow;
  };
  if (analysis.houses) {
    appendIndexSign(out, {kHousesLeft + 12, y}, 7);
    entry(kHousesLeft, "Index: house " + number(analysis.houses->index.house) + ", " +
                           number(analysis.houses->index.points) + " points");
  }
  if (const std::optional<Perfection>& perfection = analysis.perfection) {
    for (const auto& [house, label, colour] :
         {std::tuple{perfection->querent, "Querent", kQuerentColour},
          std::tuple{perfection->quesited, "Quesited", kQuesitedColour}}) {
      appendRect(out, kHousesLeft + 4, y - 7, 16, 14,
                 "fill=\"none\" stroke-width=\"3\" stroke=\"" + std::string(colour) + "\"");
      entry(kHousesLeft, std::string(label) + ": house " + number(house));
    }
    entry(kHousesLeft, perfection->denial()     ? "Denial: the chart does not perfect"
                       : perfection->occupation ? "The chart perfects, by occupation too"
                                                : "The chart perfects");
  }
  y = kLegendTop + kLegendRow / 2;
  const int second = kHousesLeft + kLegendColumn;
  for (std::size_t kind = 0; kind < kLineStyles.size(); ++kind) {
    const auto drawn = std::count_if(lines.begin(), lines.end(), [kind](const Line& line) {
      return static_cast<std::size_t>(line.kind) == kind;
    });
    if (drawn == 0) continue;
    out += "<line x1=\"" + number(second) + "\" y1=\"" + number(y) + "\" x2=\"" +
           number(second + 24) + "\" y2=\"" + number(y) + "\" " +
           strokeOf(static_cast<LineKind>(kind)) + "/>\n";
    entry(second,
          std::string(kLineStyles[kind].label) + " (" + number(static_cast<int>(drawn)) + ")");
  }
  out += "</g>\n";
}

void appendHalted(std::string& out, const geomancy::Reading& reading) {
  constexpr int kTop = kHousesTop - 32;
  out += "<g id=\"halted\">\n";
  appendRect(out, kHousesLeft, kTop, kHousesSide, 26,
             "class=\"box\" fill=\"none\" stroke=\"none\"");
  const std::string text =
      "Halted: " + std::string(namesOf(geomancy::houseFigure(reading.chart, 1)).first) +
      " in house 1; by tradition, not to be judged";
  appendFitted(out, kHousesLeft + kHousesSide / 2, kTop + 19, text, kHousesSide - 8,
               bold(14).filled(kHaltedColour));
  out += "</g>\n";
}

void appendHouseChart(std::string& out, const geomancy::ChartAnalysis& analysis) {
  appendText(out, kHousesLeft + kHousesSide / 2, 24, "The house chart", bold(16));
  if (analysis.halted) appendHalted(out, analysis.reading);
  for (int house = 1; house <= geomancy::kHouseCount; ++house) appendHouse(out, analysis, house);
  const std::vector<Line> lines =
      analysis.perfection ? linesOf(*analysis.perfection) : std::vector<Line>{};
  if (!lines.empty()) appendLines(out, lines);
  appendCourt(out, analysis.reading);
  appendLegend(out, analysis, lines);
}

// The question, wrapped to the width of the picture, and when the chart was cast; returns the
// height they take.
int appendHeading(std::string& out, const ChartHeading& heading, int pictureWidth) {
  if (heading.question.empty() && !heading.castAt) return 0;
  const int width = pictureWidth - 2 * kMargin;
  const FittedText question =
      heading.question.empty()
          ? FittedText{}
          : fitText(heading.question, width - 8, kQuestionSize, kQuestionSize, SIZE_MAX, true);
  std::string body;
  int y = 12;
  for (const std::string& line : question.lines) {
    y += kQuestionSize + 5;
    appendText(body, pictureWidth / 2, y, line, bold(kQuestionSize));
  }
  if (heading.castAt) {
    y += kCastAtSize + 6;
    appendText(body, pictureWidth / 2, y, heading.castAt->castOn(),
               regular(kCastAtSize).named("cast-at"));
  }
  const int bottom = y + 8;
  out += "<g id=\"heading\">\n";
  appendRect(out, kMargin, 8, width, bottom - 8, "class=\"box\" fill=\"none\" stroke=\"none\"");
  out += body + "</g>\n";
  return bottom + 8;
}

}  // namespace

std::string chartSvg(const geomancy::ChartAnalysis& analysis, const ChartHeading& heading) {
  const bool houses = analysis.judged();
  const int width = houses ? kHousesLeft + kHousesSide + kMargin : kShieldWidth;
  std::string picture;
  const int headingHeight = appendHeading(picture, heading, width);
  const int height = headingHeight + (houses ? kHousesHeight : kShieldHeight);
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + number(width) +
         "\" height=\"" + number(height) + "\" viewBox=\"0 0 " + number(width) + " " +
         number(height) +
         "\">\n<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n"
         "<g font-family=\"DejaVu Sans, Verdana, sans-serif\" text-anchor=\"middle\" "
         "fill=\"black\">\n";
  out += picture;
  out += "<g id=\"chart\" transform=\"translate(0," + number(headingHeight) + ")\">\n";
  appendShieldChart(out, analysis.reading);
  if (houses) appendHouseChart(out, analysis);
  out += "</g>\n</g>\n</svg>\n";
  return out;
}

}  // namespace formats
