// SPDX-License-Identifier: MIT
#include "chart_svg.h"

#include <array>
#include <vector>

#include "catalogue.h"
#include "house_chart.h"

namespace qxcast {
namespace {

using geomancy::FigureMask;

constexpr int kCell = 120;     // the width of a top-row figure's place
constexpr int kRowStep = 16;   // between the rows of a figure
constexpr int kPointStep = 9;  // from a figure's middle to each of two points
constexpr int kHousesLeft = 1000;

struct Place {
  std::string id;
  std::string caption;
  FigureMask figure;
  int middle;
  int top;
  bool emphasised = false;
};

void appendEscaped(std::string& out, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out += c;
    }
  }
}

void appendText(std::string& out, int x, int y, std::string_view text, bool bold = false,
                int size = 11) {
  out += "<text x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" font-size=\"" +
         std::to_string(size) + "\"" + (bold ? " font-weight=\"bold\"" : "") + ">";
  appendEscaped(out, text);
  out += "</text>\n";
}

// "Mother 1" as "mother-1".
std::string idOf(std::string_view caption) {
  std::string id;
  for (const char c : caption) id += c == ' ' ? '-' : static_cast<char>(c | 0x20);
  return id;
}

// The figure's points, then its caption and name beneath: the Latin name, and the English one
// on a line of its own where the catalogue gives it after " - ".
void appendFigure(std::string& out, const Place& place) {
  out += "<g id=\"" + place.id + "\">\n";
  if (place.emphasised) {
    out += "<rect x=\"" + std::to_string(place.middle - 56) + "\" y=\"" +
           std::to_string(place.top - 14) +
           "\" width=\"112\" height=\"128\" fill=\"none\" stroke=\"#800000\" "
           "stroke-width=\"2\"/>\n";
  }
  const auto point = [&out](int x, int y) {
    out +=
        "<circle cx=\"" + std::to_string(x) + "\" cy=\"" + std::to_string(y) + "\" r=\"4.5\"/>\n";
  };
  for (int row = 0; row < geomancy::kRowsPerFigure; ++row) {
    const int y = place.top + row * kRowStep;
    if (((place.figure >> row) & 1u) != 0) {
      point(place.middle, y);
    } else {
      point(place.middle - kPointStep, y);
      point(place.middle + kPointStep, y);
    }
  }
  const std::string_view name = geomancy::entryForMask(place.figure).figureName;
  const std::size_t dash = name.find(" - ");
  const int below = place.top + 4 * kRowStep + 2;
  appendText(out, place.middle, below, place.caption, true);
  appendText(out, place.middle, below + 14, name.substr(0, dash), place.emphasised);
  if (dash != std::string_view::npos) {
    appendText(out, place.middle, below + 28, name.substr(dash + 3), place.emphasised);
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

void appendHouseChart(std::string& out, const geomancy::Reading& reading) {
  appendText(out, kHousesLeft + 2 * kCell, 24, "The house chart", true, 16);
  for (int house = 1; house <= geomancy::kHouseCount; ++house) {
    const int column = (house - 1) % 4;
    const int line = (house - 1) / 4;
    const std::string caption = "House " + std::to_string(house);
    appendFigure(out, {idOf(caption), caption, geomancy::houseFigure(reading.chart, house),
                       kHousesLeft + kCell / 2 + column * kCell, 60 + line * 160});
  }
}

}  // namespace

std::string chartSvg(const geomancy::ChartAnalysis& analysis, [[maybe_unused]] const ChartHeading& heading) {
  const geomancy::Reading& reading = analysis.reading;
  const bool houses = analysis.houses.has_value();
  const int width = houses ? kHousesLeft + 4 * kCell : 8 * kCell;
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
         std::to_string(width) + "\" height=\"700\" viewBox=\"0 0 " + std::to_string(width) +
         " 700\">\n<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n"
         "<g font-family=\"sans-serif\" text-anchor=\"middle\" fill=\"black\">\n";
  appendText(out, 4 * kCell, 24, "The Shield chart, read from right to left", true, 16);
  appendText(out, 2 * kCell, 44, "Daughters", true, 13);
  appendText(out, 6 * kCell, 44, "Mothers", true, 13);
  for (const Place& place : shieldPlaces(reading)) appendFigure(out, place);
  if (houses) appendHouseChart(out, reading);
  out += "</g>\n</svg>\n";
  return out;
}

}  // namespace qxcast
