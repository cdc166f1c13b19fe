// SPDX-License-Identifier: MIT
#include "chart_layout.h"

#include <cstdint>

#include "catalogue.h"
#include "chart_layout_parts.h"
#include "svg_text.h"

namespace formats {
namespace layout {

TextStyle regular(int size) {
  TextStyle style;
  style.size = size;
  return style;
}

TextStyle bold(int size) {
  TextStyle style = regular(size);
  style.bold = true;
  return style;
}

void Builder::begin(std::string id, std::string title) {
  GroupStart group;
  group.id = std::move(id);
  group.title = std::move(title);
  begin(std::move(group));
}

void Builder::fitted(Point at, std::string_view text, int width, TextStyle style) {
  const FittedText fitted = fitText(text, width, style.size, kSmallestCaption, 1, style.bold);
  style.size = fitted.size;
  // Only a text too long for any size takes more than one line.
  for (const std::string& line : fitted.lines) {
    this->text(at, line, style);
    at.y += fitted.size;
  }
}

void Builder::points(geomancy::FigureMask figure, int middle, int top) {
  for (int row = 0; row < geomancy::kRowsPerFigure; ++row) {
    const int y = top + row * kRowStep;
    if (((figure >> row) & 1u) != 0) {
      items_.emplace_back(Dot{{middle, y}});
    } else {
      items_.emplace_back(Dot{{middle - kPointStep, y}});
      items_.emplace_back(Dot{{middle + kPointStep, y}});
    }
  }
}

void Builder::figure(const Place& place) {
  begin(place.id);
  box(place.middle - kBoxWidth / 2, place.top - kBoxAbove, kBoxWidth, kBoxHeight,
      place.emphasised ? BoxKind::Framed : BoxKind::Layout);
  points(place.figure, place.middle, place.top);
  const int width = kBoxWidth - 2 * kCaptionPadding;
  const int below = place.top + geomancy::kRowsPerFigure * kRowStep + 2;
  fitted({place.middle, below}, place.caption, width, bold());
  const geomancy::CatalogueEntry& entry = geomancy::entryForMask(place.figure);
  fitted({place.middle, below + 14}, entry.latinName, width, boldIf(place.emphasised));
  fitted({place.middle, below + 28}, entry.englishName, width, boldIf(place.emphasised));
  end();
}

namespace {

constexpr int kMargin = 20;
constexpr int kQuestionSize = 16;
constexpr int kCastAtSize = 12;

// "Mother 1" as "mother-1".
std::string idOf(std::string_view caption) {
  std::string id;
  for (const char c : caption) id += c == ' ' ? '-' : static_cast<char>(c | 0x20);
  return id;
}

void layOutShieldChart(Builder& out, const geomancy::Reading& reading) {
  out.text({4 * kCell, 24}, "The Shield chart, read from right to left", bold(16));
  out.text({2 * kCell, 44}, "Daughters", bold(13));
  out.text({6 * kCell, 44}, "Mothers", bold(13));
  const auto add = [&](int position, int middle, int top) {
    const std::string_view caption = geomancy::positionName(position);
    out.figure({idOf(caption), std::string(caption), reading.chart[position], middle, top,
                position == geomancy::kJudgePosition});
  };
  // Daughter 4 at the left, Mother 1 at the right.
  for (int column = 0; column < 8; ++column) add(7 - column, kCell / 2 + column * kCell, 60);
  for (int column = 0; column < 4; ++column) add(11 - column, kCell + column * 2 * kCell, 220);
  add(geomancy::kLeftWitness, 2 * kCell, 380);
  add(geomancy::kRightWitness, 6 * kCell, 380);
  add(geomancy::kJudgePosition, 4 * kCell, 540);
  out.figure({"reconciler", "Reconciler", reading.reconciler, 5 * kCell + kCell / 2, 540, true});
}

// The question, wrapped to the width of the picture, and when the chart was cast; returns the
// height they take.
int layOutHeading(Builder& out, const ChartHeading& heading, int pictureWidth) {
  if (heading.question.empty() && !heading.castAt) return 0;
  const int width = pictureWidth - 2 * kMargin;
  const FittedText question =
      heading.question.empty()
          ? FittedText{}
          : fitText(heading.question, width - 8, kQuestionSize, kQuestionSize, SIZE_MAX, true);
  Builder texts;
  int y = 12;
  for (const std::string& line : question.lines) {
    y += kQuestionSize + 5;
    texts.text({pictureWidth / 2, y}, line, bold(kQuestionSize));
  }
  if (heading.castAt) {
    y += kCastAtSize + 6;
    TextStyle style = regular(kCastAtSize);
    style.id = "cast-at";
    texts.text({pictureWidth / 2, y}, heading.castAt->castOn(), style);
  }
  const int bottom = y + 8;
  out.begin("heading");
  out.box(kMargin, 8, width, bottom - 8, BoxKind::Layout);
  out.append(texts.take());
  out.end();
  return bottom + 8;
}

}  // namespace
}  // namespace layout

ChartLayout layOutChart(const geomancy::ChartAnalysis& analysis, const ChartHeading& heading) {
  using namespace layout;
  const bool houses = analysis.judged();
  ChartLayout chart;
  chart.width = houses ? kShieldWidth + kHouseChartGap + houseChartWidth() + kMargin : kShieldWidth;
  Builder out;
  const int headingHeight = layOutHeading(out, heading, chart.width);
  chart.height = headingHeight + (houses ? houseChartHeight() : kShieldHeight);
  GroupStart group;
  group.id = "chart";
  group.shiftDown = headingHeight;
  out.begin(std::move(group));
  layOutShieldChart(out, analysis.reading);
  if (houses) layOutHouseChart(out, analysis, kShieldWidth + kHouseChartGap);
  out.end();
  chart.items = out.take();
  return chart;
}

}  // namespace formats
