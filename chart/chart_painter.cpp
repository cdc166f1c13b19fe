// SPDX-License-Identifier: MIT
#include "chart_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPen>
#include <QStringList>
#include <algorithm>
#include <map>
#include <utility>
#include <variant>
#include <vector>

namespace drawing {
namespace {

using namespace formats::layout;

constexpr double kPixelsPerInch = 96;
constexpr double kPointsPerPixel = 72 / kPixelsPerInch;
constexpr double kInchesPerMetre = 1 / 0.0254;

QColor colourOf(std::string_view name) {
  return QColor::fromString(QLatin1String(name.data(), static_cast<qsizetype>(name.size())));
}

QString textOf(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QPointF pointOf(Point point) {
  return {static_cast<double>(point.x), static_cast<double>(point.y)};
}

// SVG's defaults where Qt's differ: butt ends, and mitred corners unless a group rounds them.
// Qt's miter limit counts from the corner's middle, SVG's across the whole stroke: 2 is SVG's 4.
QPen strokeOf(const QColor& colour, double width, bool roundJoins) {
  QPen pen(colour, width, Qt::SolidLine, Qt::FlatCap, roundJoins ? Qt::RoundJoin : Qt::MiterJoin);
  pen.setMiterLimit(2);
  return pen;
}

QPen linePen(LineKind kind, bool roundJoins) {
  constexpr double kWidth = 2.5;
  const LineStyle& style = styleOf(kind);
  QColor colour = colourOf(style.colour);
  colour.setAlphaF(0.85f);
  QPen pen = strokeOf(colour, kWidth, roundJoins);
  // "7 5" in pixels; Qt counts dashes in widths of the pen.
  if (style.dashed) pen.setDashPattern({7 / kWidth, 5 / kWidth});
  return pen;
}

QFont fontOf(const TextStyle& style) {
  QFont font;
  font.setFamilies(
      {QStringLiteral("DejaVu Sans"), QStringLiteral("Verdana"), QStringLiteral("sans-serif")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(style.size);
  font.setWeight(style.bold ? QFont::Bold : QFont::Normal);
  // Unhinted glyphs keep their widths at every scale, as the layout measured them.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

// Draws the items one by one; a group's shift and rounded corners hold until its end.
class ItemPainter {
 public:
  explicit ItemPainter(QPainter& painter) : painter_(painter) {}

  ~ItemPainter() {
    for (std::size_t open = roundJoins_.size(); open > 1; --open) painter_.restore();
  }
  ItemPainter(const ItemPainter&) = delete;
  ItemPainter& operator=(const ItemPainter&) = delete;

  void operator()(const GroupStart& group) {
    painter_.save();
    if (group.shiftDown) painter_.translate(0, *group.shiftDown);
    roundJoins_.push_back(group.roundJoins || roundJoins_.back());
  }
  void operator()(const GroupEnd&) {
    if (roundJoins_.size() == 1) return;  // an end without a start
    roundJoins_.pop_back();
    painter_.restore();
  }
  void operator()(const Box& box) {
    const QRectF rect(box.x, box.y, box.width, box.height);
    switch (box.kind) {
      case BoxKind::Layout:
        return;
      case BoxKind::Framed:
        frame(rect, strokeOf(QColor(0x80, 0, 0), 2, roundJoins_.back()));
        return;
      case BoxKind::HouseCell:
        frame(rect, strokeOf(QColor(0x40, 0x40, 0x40), 1, roundJoins_.back()));
        return;
      case BoxKind::Backing:
        painter_.fillRect(rect, QColor(255, 255, 255, 204));  // white at 0.8
        return;
      case BoxKind::Mark:
      case BoxKind::MarkSample:
        frame(rect, strokeOf(colourOf(box.colour), 3, roundJoins_.back()));
        return;
    }
  }
  void operator()(const Dot& dot) {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Qt::black);
    painter_.drawEllipse(pointOf(dot.centre), kDotRadius, kDotRadius);
  }
  void operator()(const Text& text) {
    const Font& font = fontFor(text.style);
    const QString line = textOf(text.text);
    QPointF at = pointOf(text.at);
    if (!text.style.fromStart) at.rx() -= font.metrics.horizontalAdvance(line) / 2;
    painter_.setFont(font.font);
    painter_.setPen(text.style.colour.empty() ? QColor(Qt::black) : colourOf(text.style.colour));
    painter_.drawText(at, line);
  }
  void operator()(const IndexSign& sign) {
    const QPointF c = pointOf(sign.centre);
    const double r = sign.radius;
    const double d = sign.radius * 7 / 10;  // whole pixels, as the SVG writes it
    QPainterPath path;
    path.addEllipse(c, r, r);
    path.moveTo(c + QPointF(-d, -d));
    path.lineTo(c + QPointF(d, d));
    path.moveTo(c + QPointF(-d, d));
    path.lineTo(c + QPointF(d, -d));
    painter_.setPen(strokeOf(Qt::black, 1.5, roundJoins_.back()));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
  }
  void operator()(const Polyline& line) {
    std::vector<QPointF> points;
    points.reserve(line.points.size());
    for (const Point& point : line.points) points.push_back(pointOf(point));
    painter_.setPen(linePen(line.kind, roundJoins_.back()));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolyline(points.data(), static_cast<int>(points.size()));
  }
  void operator()(const Segment& segment) {
    painter_.setPen(linePen(segment.kind, roundJoins_.back()));
    painter_.drawLine(pointOf(segment.from), pointOf(segment.to));
  }

 private:
  struct Font {
    QFont font;
    QFontMetricsF metrics;
  };

  void frame(const QRectF& rect, const QPen& pen) {
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(rect);
  }

  const Font& fontFor(const TextStyle& style) {
    const auto key = std::pair(style.size, style.bold);
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
      QFont font = fontOf(style);
      found = fonts_.emplace(key, Font{font, QFontMetricsF(font)}).first;
    }
    return found->second;
  }

  QPainter& painter_;
  std::vector<bool> roundJoins_{false};  // of each open group, the outermost first
  std::map<std::pair<int, bool>, Font> fonts_;
};

}  // namespace

void paintChart(QPainter& painter, const formats::ChartLayout& layout) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.fillRect(QRectF(0, 0, layout.width, layout.height), Qt::white);
  {
    ItemPainter items(painter);
    for (const Item& item : layout.items) std::visit(items, item);
  }
  painter.restore();
}

QRectF fittedChartRect(const formats::ChartLayout& layout, const QRectF& target) {
  if (layout.width <= 0 || layout.height <= 0 || target.isEmpty()) return {};
  const double scale = std::min(target.width() / layout.width, target.height() / layout.height);
  QRectF rect(0, 0, layout.width * scale, layout.height * scale);
  rect.moveCenter(target.center());
  return rect;
}

void paintChart(QPainter& painter, const formats::ChartLayout& layout, const QRectF& target) {
  const QRectF rect = fittedChartRect(layout, target);
  if (rect.isEmpty()) return;
  painter.save();
  painter.translate(rect.topLeft());
  painter.scale(rect.width() / layout.width, rect.height() / layout.height);
  paintChart(painter, layout);
  painter.restore();
}

QImage chartImage(const formats::ChartLayout& layout, double scale) {
  const QSize size(qRound(layout.width * scale), qRound(layout.height * scale));
  if (size.isEmpty()) return {};
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  image.setDevicePixelRatio(scale);
  const int dotsPerMetre = qRound(kPixelsPerInch * scale * kInchesPerMetre);
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  QPainter painter(&image);
  paintChart(painter, layout);  // the painter scales by the image's pixel ratio
  return image;
}

bool writeChartPdf(const QString& path, const formats::ChartLayout& layout, const QString& title) {
  if (layout.width <= 0 || layout.height <= 0) return false;
  QPdfWriter writer(path);
  writer.setTitle(title);
  writer.setCreator(QStringLiteral("QX Geomancy Chart"));
  const QPageSize page(QSizeF(layout.width * kPointsPerPixel, layout.height * kPointsPerPixel),
                       QPageSize::Point, QString(), QPageSize::ExactMatch);
  if (!writer.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF()))) return false;
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  paintChart(painter, layout, QRectF(0, 0, writer.width(), writer.height()));
  return painter.end();
}

}  // namespace drawing
