// SPDX-License-Identifier: MIT
#include "chart_svg.h"

#include <variant>

#include "svg_text.h"

namespace formats {
namespace {

using namespace layout;

std::string number(int value) {
  return std::to_string(value);
}

std::string strokeOf(LineKind kind) {
  const LineStyle& style = styleOf(kind);
  return "class=\"" + std::string(style.name) + "\" fill=\"none\" stroke=\"" +
         std::string(style.colour) + "\" stroke-width=\"2.5\" stroke-opacity=\"0.85\"" +
         (style.dashed ? " stroke-dasharray=\"7 5\"" : "");
}

std::string attributesOf(const Box& box) {
  const std::string colour(box.colour);
  switch (box.kind) {
    case BoxKind::Layout:
      return "class=\"box\" fill=\"none\" stroke=\"none\"";
    case BoxKind::Framed:
      return "class=\"box\" fill=\"none\" stroke=\"#800000\" stroke-width=\"2\"";
    case BoxKind::HouseCell:
      return "class=\"box\" fill=\"none\" stroke=\"#404040\"";
    case BoxKind::Backing:
      return "fill=\"white\" fill-opacity=\"0.8\"";
    case BoxKind::Mark:
      return "fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"3\"";
    case BoxKind::MarkSample:
      return "fill=\"none\" stroke-width=\"3\" stroke=\"" + colour + "\"";
  }
  return {};
}

// Each item as its element, one a line.
struct SvgWriter {
  std::string& out;

  void operator()(const GroupStart& group) const {
    out += "<g id=\"" + group.id + "\"";
    if (group.shiftDown) out += " transform=\"translate(0," + number(*group.shiftDown) + ")\"";
    if (group.roundJoins) out += " stroke-linejoin=\"round\"";
    out += ">\n";
    if (!group.title.empty()) {
      out += "<title>";
      appendXmlText(out, group.title);
      out += "</title>\n";
    }
  }
  void operator()(const GroupEnd&) const { out += "</g>\n"; }
  void operator()(const Box& box) const {
    out += "<rect x=\"" + number(box.x) + "\" y=\"" + number(box.y) + "\" width=\"" +
           number(box.width) + "\" height=\"" + number(box.height) + "\" " + attributesOf(box) +
           "/>\n";
  }
  void operator()(const Dot& dot) const {
    out += "<circle cx=\"" + number(dot.centre.x) + "\" cy=\"" + number(dot.centre.y) +
           "\" r=\"4.5\"/>\n";
  }
  void operator()(const Text& text) const {
    const TextStyle& style = text.style;
    out += "<text";
    if (!style.id.empty()) out += " id=\"" + std::string(style.id) + "\"";
    out += " x=\"" + number(text.at.x) + "\" y=\"" + number(text.at.y) + "\" font-size=\"" +
           number(style.size) + "\"";
    if (style.bold) out += " font-weight=\"bold\"";
    if (style.fromStart) out += " text-anchor=\"start\"";
    if (!style.colour.empty()) out += " fill=\"" + std::string(style.colour) + "\"";
    out += '>';
    appendXmlText(out, text.text);
    out += "</text>\n";
  }
  void operator()(const IndexSign& sign) const {
    const int r = sign.radius;
    const int d = sign.radius * 7 / 10;
    const Point c = sign.centre;
    out += "<path d=\"M" + number(c.x - r) + "," + number(c.y) + " a" + number(r) + "," +
           number(r) + " 0 1,0 " + number(2 * r) + ",0 a" + number(r) + "," + number(r) +
           " 0 1,0 " + number(-2 * r) + ",0 M" + number(c.x - d) + "," + number(c.y - d) + " l" +
           number(2 * d) + "," + number(2 * d) + " M" + number(c.x - d) + "," + number(c.y + d) +
           " l" + number(2 * d) + "," + number(-2 * d) +
           "\" fill=\"none\" stroke=\"black\" stroke-width=\"1.5\"/>\n";
  }
  void operator()(const Polyline& line) const {
    out += "<polyline points=\"";
    for (const Point& point : line.points) out += number(point.x) + "," + number(point.y) + " ";
    out.back() = '"';
    out += ' ' + strokeOf(line.kind) + "><title>";
    appendXmlText(out, line.title);
    out += "</title></polyline>\n";
  }
  void operator()(const Segment& segment) const {
    out += "<line x1=\"" + number(segment.from.x) + "\" y1=\"" + number(segment.from.y) +
           "\" x2=\"" + number(segment.to.x) + "\" y2=\"" + number(segment.to.y) + "\" " +
           strokeOf(segment.kind) + "/>\n";
  }
};

}  // namespace

std::string svgOf(const ChartLayout& layout) {
  const std::string width = number(layout.width);
  const std::string height = number(layout.height);
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + width +
         "\" height=\"" + height + "\" viewBox=\"0 0 " + width + " " + height +
         "\">\n<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n"
         "<g font-family=\"DejaVu Sans, Verdana, sans-serif\" text-anchor=\"middle\" "
         "fill=\"black\">\n";
  const SvgWriter writer{out};
  for (const Item& item : layout.items) std::visit(writer, item);
  out += "</g>\n</svg>\n";
  return out;
}

std::string chartSvg(const geomancy::ChartAnalysis& analysis, const ChartHeading& heading) {
  return svgOf(layOutChart(analysis, heading));
}

}  // namespace formats
