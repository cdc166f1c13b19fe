// SPDX-License-Identifier: MIT
#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue.h"
#include "chart_layout_parts.h"
#include "house_chart.h"

// The house chart: a square of five by five cells, the twelve houses round the edge with the
// corners left empty, the court in the middle three by three, a legend beneath.
namespace formats::layout {
namespace {

using geomancy::FigureMask;
using geomancy::Perfection;

constexpr int kTop = 64;
constexpr int kHouseCell = 140;
constexpr int kSide = 5 * kHouseCell;
constexpr int kLegendTop = kTop + kSide + 16;
constexpr int kLegendRow = 20;
constexpr int kLegendRows = 4;
constexpr int kLegendColumn = kSide / 2;

constexpr std::string_view kQuerentColour = "#0b6e99";
constexpr std::string_view kQuesitedColour = "#b03060";
constexpr std::string_view kHaltedColour = "#c00000";

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

std::string number(int value) {
  return std::to_string(value);
}

TextStyle coloured(TextStyle style, std::string_view colour) {
  style.colour = colour;
  return style;
}

class HouseChart {
 public:
  HouseChart(Builder& out, const geomancy::ChartAnalysis& analysis, int left)
      : out_(out), analysis_(analysis), left_(left) {}

  void layOut() {
    out_.text({left_ + kSide / 2, 24},
              analysis_.request.order == geomancy::HouseOrder::GoldenDawn
                  ? "The house chart, in the Golden Dawn's order"
                  : "The house chart",
              bold(16));
    if (analysis_.halted) halted();
    for (int house = 1; house <= geomancy::kHouseCount; ++house) this->house(house);
    const std::vector<Polyline> lines =
        analysis_.perfection ? linesOf(*analysis_.perfection) : std::vector<Polyline>{};
    if (!lines.empty()) drawLines(lines);
    court();
    legend(lines);
  }

 private:
  [[nodiscard]] Point cellOf(int house) const {
    const auto [column, row] = kHouseCells[house - 1];
    return {left_ + column * kHouseCell, kTop + row * kHouseCell};
  }

  // Where lines meet a house: in the middle square, a little way in from the house's cell, so
  // that a line between neighbours stays clear of the cells' edges.
  [[nodiscard]] Point anchorOf(int house) const {
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

  void significatorMark(Point cell, std::string id, std::string_view label,
                        std::string_view colour) {
    out_.begin(std::move(id));
    out_.box(cell.x + 4, cell.y + 4, kHouseCell - 8, kHouseCell - 8, BoxKind::Mark, colour);
    out_.text({cell.x + kHouseCell / 2, cell.y + kHouseCell - 10}, std::string(label),
              coloured(bold(10), colour));
    out_.end();
  }

  // A house's cell: its number, its figure and names, and the marks that fall on it.
  void house(int house) {
    const Point cell = cellOf(house);
    const int middle = cell.x + kHouseCell / 2;
    out_.begin("house-" + number(house));
    out_.box(cell.x, cell.y, kHouseCell, kHouseCell, BoxKind::HouseCell);
    out_.text({cell.x + 8, cell.y + 20}, number(house), leftAligned(bold(14)));
    const FigureMask figure = analysis_.houseFigure(house);
    out_.points(figure, middle, cell.y + 34);
    const geomancy::CatalogueEntry& entry = geomancy::entryForMask(figure);
    const int width = kHouseCell - 2 * kCaptionPadding;
    out_.fitted({middle, cell.y + 102}, entry.latinName, width, regular());
    out_.fitted({middle, cell.y + 116}, entry.englishName, width, regular());
    if (analysis_.houses && analysis_.houses->index.house == house) {
      out_.begin("index", "The Index: " + number(analysis_.houses->index.points) + " points");
      out_.indexSign({cell.x + kHouseCell - 18, cell.y + 18}, 8);
      out_.end();
    }
    if (analysis_.perfection && analysis_.perfection->querent == house) {
      significatorMark(cell, "querent", "Querent", kQuerentColour);
    }
    if (analysis_.perfection && analysis_.perfection->quesited == house) {
      significatorMark(cell, "quesited", "Quesited", kQuesitedColour);
    }
    out_.end();
  }

  // The court in the middle square: the Witnesses above, the Judge and the Reconciler below.
  void court() {
    const geomancy::Reading& reading = analysis_.reading;
    constexpr int kQuarter = 3 * kHouseCell / 2;
    const int left = left_ + kHouseCell + kQuarter / 2;
    const int right = left + kQuarter;
    // A box's middle at the middle of its quarter.
    const int upper = kTop + kHouseCell + kQuarter / 2 - kBoxHeight / 2 + kBoxAbove;
    const int lower = upper + kQuarter;
    const std::array<Place, 4> court{{
        {"court-left-witness", "Left Witness", reading.chart[geomancy::kLeftWitness], left, upper},
        {"court-right-witness", "Right Witness", reading.chart[geomancy::kRightWitness], right,
         upper},
        {"court-judge", "Judge", reading.judge(), left, lower, true},
        {"court-reconciler", "Reconciler", reading.reconciler, right, lower, true},
    }};
    out_.begin("court");
    for (const Place& place : court) {
      // Lines cross the middle square: behind the court's boxes, faintly.
      out_.box(place.middle - kBoxWidth / 2, place.top - kBoxAbove, kBoxWidth, kBoxHeight,
               BoxKind::Backing);
      out_.figure(place);
    }
    out_.end();
  }

  static std::string whose(Perfection::Significator significator) {
    return "the " + std::string(geomancy::significatorName(significator)) + "'s";
  }

  Polyline line(LineKind kind, std::vector<int> houses, std::string title) {
    Polyline line{kind, {}, std::move(title)};
    for (const int house : houses) {
      const Point anchor = anchorOf(house);
      line.points.push_back({anchor.x + 3 * aside_, anchor.y + 2 * aside_});
    }
    // Each line a little aside from the one before, so that lines through the same houses stay
    // apart.
    aside_ = aside_ >= 2 ? -2 : aside_ + 1;
    return line;
  }

  // Every perfection found as a line from the querent's house to the quesited's through the
  // houses where the figures meet; every aspect as a line from the house that casts it.
  std::vector<Polyline> linesOf(const Perfection& perfection) {
    const int m = perfection.querent;
    const int n = perfection.quesited;
    const auto house = [](int h) { return "house " + number(h); };
    std::vector<Polyline> lines;
    for (const Perfection::Conjunction& c : perfection.conjunction) {
      lines.push_back(line(LineKind::Conjunction, {m, c.house, n},
                           "Conjunction: " + whose(c.figureOf) + " figure in " + house(c.house)));
    }
    for (const Perfection::HousePair& pair : perfection.mutation) {
      lines.push_back(line(LineKind::Mutation, {m, pair.a, pair.b, n},
                           "Mutation: the querent's figure in " + house(pair.a) +
                               ", the quesited's in " + house(pair.b)));
    }
    for (const Perfection::HousePair& pair : perfection.translation) {
      std::vector<int> through{m, pair.a, pair.b, n};
      if (pair.a == pair.b) through = {m, pair.a, n};
      lines.push_back(
          line(LineKind::Translation, std::move(through),
               "Translation: the same figure in " + house(pair.a) + " and " + house(pair.b)));
    }
    for (const Perfection::Aspect& aspect : perfection.aspects) {
      const std::string_view side = geomancy::sideName(aspect.side);
      lines.push_back(line(LineKind::Aspect, {aspect.from, aspect.onto},
                           std::string(geomancy::aspectName(aspect.kind)) +
                               (side.empty() ? "" : ", " + std::string(side)) + ": " +
                               whose(aspect.figureOf) + " figure from " + house(aspect.from) +
                               " onto " + house(aspect.onto)));
    }
    return lines;
  }

  void drawLines(const std::vector<Polyline>& lines) {
    GroupStart group;
    group.id = "perfection-lines";
    group.roundJoins = true;
    out_.begin(std::move(group));
    for (const Polyline& line : lines) out_.polyline(line);
    out_.end();
  }

  // What the marks and lines mean: the marks in the first column, the kinds of line drawn in the
  // second, each with a sample.
  void legend(const std::vector<Polyline>& lines) {
    out_.begin("legend");
    out_.box(left_, kLegendTop, kSide, kLegendRows * kLegendRow + 4, BoxKind::Layout);
    const int width = kLegendColumn - 40;
    int y = kLegendTop + kLegendRow / 2;
    const auto entry = [this, &y, width](int x, std::string_view text) {
      out_.fitted({x + 30, y + 4}, text, width, leftAligned(regular()));
      y += kLegendRow;
    };
    if (analysis_.houses) {
      out_.indexSign({left_ + 12, y}, 7);
      entry(left_, "Index: house " + number(analysis_.houses->index.house) + ", " +
                       number(analysis_.houses->index.points) + " points");
    }
    if (const std::optional<Perfection>& perfection = analysis_.perfection) {
      for (const auto& [house, label, colour] :
           {std::tuple{perfection->querent, "Querent", kQuerentColour},
            std::tuple{perfection->quesited, "Quesited", kQuesitedColour}}) {
        out_.box(left_ + 4, y - 7, 16, 14, BoxKind::MarkSample, colour);
        entry(left_, std::string(label) + ": house " + number(house));
      }
      entry(left_, perfection->denial()     ? "Denial: the chart does not perfect"
                   : perfection->occupation ? "The chart perfects, by occupation too"
                                            : "The chart perfects");
    }
    y = kLegendTop + kLegendRow / 2;
    const int second = left_ + kLegendColumn;
    for (std::size_t kind = 0; kind < kLineStyles.size(); ++kind) {
      const auto drawn = std::count_if(lines.begin(), lines.end(), [kind](const Polyline& line) {
        return static_cast<std::size_t>(line.kind) == kind;
      });
      if (drawn == 0) continue;
      out_.segment(static_cast<LineKind>(kind), {second, y}, {second + 24, y});
      entry(second,
            std::string(kLineStyles[kind].label) + " (" + number(static_cast<int>(drawn)) + ")");
    }
    out_.end();
  }

  void halted() {
    constexpr int kHaltedTop = kTop - 32;
    out_.begin("halted");
    out_.box(left_, kHaltedTop, kSide, 26, BoxKind::Layout);
    const std::string text =
        "Halted: " + std::string(geomancy::entryForMask(analysis_.houseFigure(1)).latinName) +
        " in house 1; by tradition, not to be judged";
    out_.fitted({left_ + kSide / 2, kHaltedTop + 19}, text, kSide - 8,
                coloured(bold(14), kHaltedColour));
    out_.end();
  }

  Builder& out_;
  const geomancy::ChartAnalysis& analysis_;
  const int left_;
  int aside_ = 0;
};

}  // namespace

int houseChartWidth() {
  return kSide;
}

int houseChartHeight() {
  return kLegendTop + kLegendRows * kLegendRow + 10;
}

void layOutHouseChart(Builder& out, const geomancy::ChartAnalysis& analysis, int left) {
  HouseChart(out, analysis, left).layOut();
}

}  // namespace formats::layout
