// SPDX-License-Identifier: MIT
// The picture read back, as a browser reads it.
#include "chart_svg.h"

#include <gtest/gtest.h>

#include <complex>
#include <map>
#include <set>

#include "chart_analysis.h"
#include "svg_reader.h"
#include "svg_text.h"

namespace {

struct Box {
  double left, top, right, bottom;
};

std::optional<Box> boxIn(const XmlElement& group) {
  for (const XmlElement& e : group.children) {
    if (e.name == "rect" && e["class"] == "box") {
      return Box{e.number("x"), e.number("y"), e.number("x") + e.number("width"),
                 e.number("y") + e.number("height")};
    }
  }
  return std::nullopt;
}

// Texts and points inside the box of the nearest group that has one; texts outside every box
// (the titles) are free.
void expectWithinBoxes(const XmlElement& element, std::string where, std::optional<Box> box) {
  if (const std::optional<Box> own = boxIn(element)) box = own, where = element["id"];
  for (const XmlElement& child : element.children) {
    expectWithinBoxes(child, where, box);
    if (!box || (child.name != "text" && child.name != "circle")) continue;
    Box ink{};
    if (child.name == "circle") {
      const double x = child.number("cx"), y = child.number("cy"), r = child.number("r");
      ink = {x - r, y - r, x + r, y + r};
    } else {
      const double size = child.number("font-size");
      const double width = formats::textWidth(child.text, size, child["font-weight"] == "bold");
      const double left = child.number("x") - (child["text-anchor"] == "start" ? 0 : width / 2);
      ink = {left, child.number("y") - size, left + width, child.number("y") + size / 4};
    }
    EXPECT_TRUE(ink.left >= box->left && ink.right <= box->right && ink.top >= box->top &&
                ink.bottom <= box->bottom)
        << where << ": " << (child.name == "text" ? child.text : "a point");
  }
}

template <typename Mothers>
geomancy::ChartAnalysis analysisOf(const Mothers& mothers, int querent, int quesited) {
  geomancy::ChartAnalysis analysis;
  geomancy::analyseReading(geomancy::readingOf(geomancy::shieldMasks(mothers)),
                           {.houses = true, .question = geomancy::QuestionHouses{querent, quesited}},
                           analysis);
  return analysis;
}

const std::string kLongQuestion = [] {
  std::string question;
  while (question.size() < 950)
    question += "Will <the ship> & \"its\" cargo ]]> come home? ‮שלום‬ 🚢👍🏽 ";
  return question;
}();

// Over charts that put every figure in every position, the Judge's included, and a question that
// wraps: every text within its box, and the question read back as it was.
TEST(ChartSvg, EveryTextReadsBackWithinItsBox) {
  std::array<std::set<geomancy::FigureMask>, geomancy::kFigureCount> seen;
  for (unsigned i = 0; i < 256; ++i) {
    const auto mother = [i](unsigned m) {
      return static_cast<geomancy::FigureMask>((i * 40503u + 12345u) >> 4 * m & 15);
    };
    const geomancy::ChartAnalysis analysis = analysisOf(
        std::array{mother(0), mother(1), mother(2), mother(3)}, 1, static_cast<int>(i % 11) + 2);
    for (int p = 0; p < geomancy::kFigureCount; ++p) seen[p].insert(analysis.reading.chart[p]);
    // The first with a question that wraps, and a word wider than any line.
    std::string question = i == 0 ? kLongQuestion + std::string(80, 'W') : "Where?";
    const XmlElement svg =
        XmlReader::parse(formats::chartSvg(analysis, {question, formats::CastTime::fromIso("2026-12-08T05:30:12Z")}));
    expectWithinBoxes(svg, "", std::nullopt);
    std::string heading;  // read back, the question as it was but for the spaces where it wraps
    svg.walk([&heading](const XmlElement& e, const XmlElement& parent) {
      if (parent["id"] == "heading" && e["id"].empty()) heading += e.text;
    });
    std::erase(question, ' ');
    std::erase(heading, ' ');
    EXPECT_EQ(heading, question);
  }
  for (int p = 0; p < geomancy::kFigureCount; ++p) {  // the Judge can be one of eight figures
    EXPECT_EQ(seen[p].size(), p == geomancy::kJudgePosition ? 8u : 16u) << p;
  }
  std::string escaped;  // bytes that are no UTF-8, and characters that XML cannot hold
  formats::appendXmlText(escaped, "\xff\xc3(\x01\t\xed\xa0\x80\xef\xbf\xbe");
  EXPECT_EQ(escaped, "\uFFFD\uFFFD(\uFFFD \uFFFD\uFFFD\uFFFD\uFFFD");
}

using Point = std::complex<double>;  // x + iy

// The worked chart (conjunction, translation), a halted one (mutation, aspects), a denied one.
TEST(ChartSvg, MarksStandWhereTheAnalysisPutsThem) {
  const std::array<geomancy::Figure, 4> worked{
      {{1, 1, 2, 2}, {2, 1, 1, 1}, {1, 2, 2, 1}, {2, 2, 2, 1}}};
  const std::array<geomancy::Figure, 4> halted{
      {{1, 1, 1, 2}, {1, 1, 1, 1}, {1, 1, 1, 1}, {2, 2, 2, 1}}};
  for (const auto& analysis :
       {analysisOf(worked, 1, 7), analysisOf(halted, 1, 7), analysisOf(worked, 3, 10)}) {
    std::map<std::string, std::string> parentOf;
    std::map<std::string, Box> boxes;
    std::map<std::string, std::vector<std::pair<Point, Point>>> lines;  // each line's two ends
    std::set<std::string> legend;
    XmlReader::parse(formats::chartSvg(analysis))
        .walk([&](const XmlElement& e, const XmlElement& parent) {
          if (!e["id"].empty()) parentOf[e["id"]] = parent["id"];
          if (const std::optional<Box> box = boxIn(e)) boxes[e["id"]] = *box;
          if (parent["id"] == "legend") legend.insert(e["class"]);
          if (parent["id"] == "perfection-lines") {
            const std::string points = e["points"];
            double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
            std::sscanf(points.c_str(), "%lf,%lf", &x0, &y0);
            std::sscanf(points.c_str() + points.rfind(' ') + 1, "%lf,%lf", &x1, &y1);
            lines[e["class"]].emplace_back(Point(x0, y0), Point(x1, y1));
          }
        });
    const auto centre = [&boxes](int house) {
      const Box& box = boxes["house-" + std::to_string(house)];
      return Point{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    };
    const geomancy::Perfection& perfection = *analysis.perfection;
    const int m = perfection.querent, n = perfection.quesited;
    for (const auto& [id, house] : {std::pair{"index", analysis.houses->index.house},
                                    std::pair{"querent", m}, std::pair{"quesited", n}}) {
      EXPECT_EQ(parentOf[id], "house-" + std::to_string(house)) << id;
    }
    EXPECT_EQ(parentOf.contains("halted"), analysis.halted);
    // House 1 in the east, and each house counter-clockwise from the one before (y runs down).
    const Point mid = (centre(1) + centre(4) + centre(7) + centre(10)) / 4.0;
    EXPECT_TRUE(centre(1).real() < mid.real() && centre(1).imag() == mid.imag());
    for (int h = 1; h <= 12; ++h) {
      EXPECT_LT(std::imag(std::conj(centre(h) - mid) * (centre(h % 12 + 1) - mid)), 0) << h;
    }
    // A line ends nearer the cell of its house than any other cell; a perfection runs from the
    // querent's house to the quesited's, an aspect from the house that casts it.
    const auto nearest = [&centre](Point p) {
      std::array<double, 13> distance{1e9};  // by house
      for (int h = 1; h <= 12; ++h) distance[h] = std::abs(p - centre(h));
      return static_cast<int>(std::min_element(distance.begin(), distance.end()) -
                              distance.begin());
    };
    std::map<std::string, std::vector<std::pair<int, int>>> expected;
    expected["conjunction"].assign(perfection.conjunction.size(), {m, n});
    expected["mutation"].assign(perfection.mutation.size(), {m, n});
    expected["translation"].assign(perfection.translation.size(), {m, n});
    for (const auto& aspect : perfection.aspects)
      expected["aspect"].emplace_back(aspect.from, aspect.onto);
    for (auto& [kind, ends] : expected) {
      ASSERT_EQ(lines[kind].size(), ends.size()) << kind;
      EXPECT_EQ(legend.contains(kind), !ends.empty()) << kind;
      for (std::size_t i = 0; i < ends.size(); ++i) {
        EXPECT_EQ(std::pair(nearest(lines[kind][i].first), nearest(lines[kind][i].second)), ends[i])
            << kind << ' ' << i;
      }
    }
  }
}

}  // namespace
