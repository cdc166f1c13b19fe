// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "chart_layout.h"
#include "figure_mask.h"

// What the two halves of the chart's layout share: the measures of a figure's box, the builder
// that collects the items, and the figure drawn in its box.
namespace formats::layout {

inline constexpr int kCell = 120;     // the width of a top-row figure's place
inline constexpr int kRowStep = 16;   // between the rows of a figure
inline constexpr int kPointStep = 9;  // from a figure's middle to each of two points
inline constexpr int kShieldWidth = 8 * kCell;
inline constexpr int kShieldHeight = 680;
// Every figure stands in a box of its own, around its points and captions.
inline constexpr int kBoxWidth = 112;
inline constexpr int kBoxHeight = 128;
inline constexpr int kBoxAbove = 14;  // from the top of the box to the first row of points
inline constexpr int kCaptionSize = 11;
inline constexpr int kSmallestCaption = 6;
inline constexpr int kCaptionPadding = 4;  // on either side, within a box

[[nodiscard]] TextStyle regular(int size = kCaptionSize);
[[nodiscard]] TextStyle bold(int size = kCaptionSize);
[[nodiscard]] inline TextStyle boldIf(bool emphasised) {
  return emphasised ? bold() : regular();
}
[[nodiscard]] inline TextStyle leftAligned(TextStyle style) {
  style.fromStart = true;
  return style;
}

// A figure and where it stands: the middle of its points and the first row's height.
struct Place {
  std::string id;
  std::string caption;
  geomancy::FigureMask figure;
  int middle;
  int top;
  bool emphasised = false;
};

class Builder {
 public:
  void begin(std::string id, std::string title = {});
  void begin(GroupStart group) { items_.emplace_back(std::move(group)); }
  void end() { items_.emplace_back(GroupEnd{}); }
  void box(int x, int y, int width, int height, BoxKind kind, std::string_view colour = {}) {
    items_.emplace_back(Box{x, y, width, height, kind, colour});
  }
  void text(Point at, std::string text, TextStyle style) {
    items_.emplace_back(Text{at, std::move(text), style});
  }
  // The text on one line no wider than `width`, its size stepped down as far as that needs.
  void fitted(Point at, std::string_view text, int width, TextStyle style);
  void indexSign(Point centre, int radius) { items_.emplace_back(IndexSign{centre, radius}); }
  void polyline(Polyline line) { items_.emplace_back(std::move(line)); }
  void segment(LineKind kind, Point from, Point to) {
    items_.emplace_back(Segment{kind, from, to});
  }
  // A figure's points from `top` down, about `middle`.
  void points(geomancy::FigureMask figure, int middle, int top);
  // The figure's points in its box, then its caption and names beneath, each on a line of its own.
  void figure(const Place& place);

  void append(std::vector<Item> items) {
    for (Item& item : items) items_.push_back(std::move(item));
  }

  [[nodiscard]] std::vector<Item> take() { return std::move(items_); }

 private:
  std::vector<Item> items_;
};

// The house chart, its width and height, beside the Shield chart from `left` on.
inline constexpr int kHouseChartGap = 40;
[[nodiscard]] int houseChartWidth();
[[nodiscard]] int houseChartHeight();
void layOutHouseChart(Builder& out, const geomancy::ChartAnalysis& analysis, int left);

}  // namespace formats::layout
