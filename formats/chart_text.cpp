// SPDX-License-Identifier: MIT
#include "chart_text.h"

#include <array>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "judge_texts.h"
#include "judgement_text.h"
#include "reading.h"

namespace formats {
namespace {

using geomancy::FigureMask;
using geomancy::kRowsPerFigure;
using geomancy::Perfection;
using Significator = Perfection::Significator;

constexpr std::size_t kWidth = 80;

// Lines of text on which pieces are placed by the column of their middle.
class Canvas {
 public:
  explicit Canvas(int lines) : lines_(static_cast<std::size_t>(lines), std::string(kWidth, ' ')) {}

  void place(int line, int middle, std::string_view text) {
    const auto start = static_cast<std::size_t>(middle) - (text.size() - 1) / 2;
    lines_[static_cast<std::size_t>(line)].replace(start, text.size(), text);
  }

  // A figure's four rows from `line` down, "*" for one point and "* *" for two.
  void placeFigure(int line, int middle, FigureMask figure) {
    for (int row = 0; row < kRowsPerFigure; ++row) {
      place(line + row, middle, (figure >> row) & 1u ? "*" : "* *");
    }
  }

  void appendTo(std::string& out) const {
    for (const std::string& line : lines_) {
      out.append(line, 0, line.find_last_not_of(' ') + 1);
      out += '\n';
    }
  }

 private:
  std::vector<std::string> lines_;
};

struct Placed {
  int position;
  std::string_view label;
  int middle;
};

// Right to left, as the chart is read: Mother 1 stands at the far right.
constexpr std::array<Placed, 8> kTopRow{{{7, "4", 4},
                                         {6, "3", 14},
                                         {5, "2", 24},
                                         {4, "1", 34},
                                         {3, "4", 44},
                                         {2, "3", 54},
                                         {1, "2", 64},
                                         {0, "1", 74}}};
constexpr std::array<Placed, 4> kNieces{{{geomancy::kFirstNiece + 3, {}, 9},
                                         {geomancy::kFirstNiece + 2, {}, 29},
                                         {geomancy::kFirstNiece + 1, {}, 49},
                                         {geomancy::kFirstNiece, {}, 69}}};
// The Witnesses as the court calls them, by the side of the chart they stand on.
constexpr std::string_view kRightWitnessName = "Right Witness";
constexpr std::string_view kLeftWitnessName = "Left Witness";
constexpr std::array<Placed, 2> kWitnesses{{{geomancy::kLeftWitness, kLeftWitnessName, 19},
                                            {geomancy::kRightWitness, kRightWitnessName, 59}}};
constexpr int kJudgeMiddle = 39;
constexpr int kReconcilerMiddle = 59;

constexpr std::array<std::string_view, kRowsPerFigure> kRowNames{"head", "neck", "body", "feet"};

std::string_view latinOf(FigureMask figure) {
  return geomancy::entryForMask(figure).latinName;
}

std::string_view nameOf(FigureMask figure) {
  return geomancy::entryForMask(figure).figureName;
}

// "Label" padded to `width`, then the text.
void appendLine(std::string& out, std::string_view label, std::size_t width,
                std::string_view text) {
  out += label;
  out.append(width > label.size() ? width - label.size() : 1, ' ');
  out += text;
  out += '\n';
}

// Items after a label, separated by "; " and wrapped within the width under the first item.
void appendList(std::string& out, std::string_view label, const std::vector<std::string>& items) {
  constexpr std::size_t kIndent = 15;
  std::string line(label);
  line.resize(kIndent, ' ');
  if (items.empty()) line += "none";
  for (std::size_t i = 0; i < items.size(); ++i) {
    const std::string item = items[i] + (i + 1 < items.size() ? ";" : "");
    if (line.size() > kIndent && line.size() + 1 + item.size() > kWidth) {
      out += line;
      out += '\n';
      line.assign(kIndent, ' ');
    } else if (line.size() > kIndent) {
      line += ' ';
    }
    line += item;
  }
  out += line;
  out += '\n';
}

std::string housePair(const Perfection::HousePair& pair) {
  return "houses " + std::to_string(pair.a) + " and " + std::to_string(pair.b);
}

void appendShieldDrawing(std::string& out, const geomancy::Reading& reading) {
  Canvas canvas(25);
  canvas.place(0, 19, "Daughters");
  canvas.place(0, 59, "Mothers");
  for (const Placed& figure : kTopRow) {
    canvas.place(1, figure.middle, figure.label);
    canvas.placeFigure(2, figure.middle, reading.chart[figure.position]);
  }
  for (const Placed& figure : kNieces) {
    canvas.place(7, figure.middle, geomancy::positionName(figure.position));
    canvas.placeFigure(8, figure.middle, reading.chart[figure.position]);
  }
  for (const Placed& figure : kWitnesses) {
    canvas.place(13, figure.middle, figure.label);
    canvas.placeFigure(14, figure.middle, reading.chart[figure.position]);
  }
  canvas.place(19, kJudgeMiddle, "Judge");
  canvas.placeFigure(20, kJudgeMiddle, reading.judge());
  canvas.place(19, kReconcilerMiddle, "Reconciler");
  canvas.placeFigure(20, kReconcilerMiddle, reading.reconciler);
  out += "The Shield chart, read from right to left\n\n";
  canvas.appendTo(out);
  for (int position = 0; position < geomancy::kFigureCount; ++position) {
    appendLine(out, geomancy::positionName(position), 14, nameOf(reading.chart[position]));
  }
  appendLine(out, "Reconciler", 14, nameOf(reading.reconciler));
  out += '\n';
}

}  // namespace

void appendJudgeTexts(std::string& out, FigureMask judge) {
  const geomancy::CatalogueEntry& entry = geomancy::entryForMask(judge);
  appendLine(out, "Judge:", 14, entry.figureName);
  for (const JudgeText& text : kJudgeTexts) appendLine(out, text.label, 14, entry.*text.text);
}

void appendHouses(std::string& out, const geomancy::ChartAnalysis& analysis) {
  const geomancy::Reading& reading = analysis.reading;
  const geomancy::HouseAnalysis& houses = *analysis.houses;
  const bool goldenDawn = analysis.request.order == geomancy::HouseOrder::GoldenDawn;
  out += goldenDawn ? "Houses, the figures placed in the Golden Dawn's order\n" : "Houses\n";
  for (int house = 1; house <= geomancy::kHouseCount; ++house) {
    const std::string number = std::to_string(house);
    std::string figure(nameOf(analysis.houseFigure(house)));
    if (goldenDawn) {
      const int placed = geomancy::figureInHouse(house, geomancy::HouseOrder::GoldenDawn);
      figure += " (" + std::string(geomancy::positionName(placed - 1)) + ")";
    }
    appendLine(out, std::string(4 - number.size(), ' ') + number, 6, figure);
  }
  out += "Company of houses\n";
  for (int pair = 0; pair < geomancy::kCompanyPairs; ++pair) {
    const std::string first = std::to_string(2 * pair + 1);
    const std::string_view company = geomancy::companyName(houses.company[pair]);
    appendLine(out,
               std::string(4 - first.size(), ' ') + first + " and " + std::to_string(2 * pair + 2),
               13, company.empty() ? "none" : company);
  }
  out += "Court\n";
  appendLine(out, "  " + std::string(kRightWitnessName), 17,
             nameOf(reading.chart[geomancy::kRightWitness]));
  appendLine(out, "  " + std::string(kLeftWitnessName), 17,
             nameOf(reading.chart[geomancy::kLeftWitness]));
  appendLine(out, "  Judge", 17, nameOf(reading.judge()));
  appendLine(out, "  Reconciler", 17, nameOf(reading.reconciler));
  out +=
      "\nIndex: " + std::to_string(houses.index.points) + " points, " +
      (goldenDawn ? "figure " + std::string(geomancy::figureNumeral(houses.index.figure)) + ", in "
                  : std::string()) +
      "house " + std::to_string(houses.index.house) + "\n\nWay of the Point\n";
  for (int row = 1; row <= kRowsPerFigure; ++row) {
    const geomancy::WayOfThePoint& way = analysis.way(row);
    std::string label = "  Row " + std::to_string(row) + ", ";
    label += kRowNames[static_cast<std::size_t>(row - 1)];
    if (!way.established) appendLine(out, label, 15, "not established");
    for (const auto& branch : way.branches) {
      std::string steps;
      for (const std::int8_t position : branch) {
        if (!steps.empty()) steps += ", ";
        steps += geomancy::positionName(position);
      }
      appendLine(out, label, 15, steps);
      label.clear();
    }
  }
  out += '\n';
}

void appendPerfection(std::string& out, const geomancy::ChartAnalysis& analysis) {
  const Perfection& perfection = *analysis.perfection;
  appendPerfectionHeading(out, perfection.querent, perfection.quesited);
  appendLine(out, "  Occupation:", 15, perfection.occupation ? "yes" : "no");
  std::vector<std::string> items;
  for (const auto& conjunction : perfection.conjunction) {
    items.push_back("house " + std::to_string(conjunction.house) + ", the " +
                    std::string(geomancy::significatorName(conjunction.figureOf)) + "'s figure");
  }
  appendList(out, "  Conjunction:", items);
  items.clear();
  for (const auto& pair : perfection.mutation) items.push_back(housePair(pair));
  appendList(out, "  Mutation:", items);
  items.clear();
  for (const auto& pair : perfection.translation) items.push_back(housePair(pair));
  appendList(out, "  Translation:", items);
  items.clear();
  for (const auto& aspect : perfection.aspects) {
    std::string item = "house " + std::to_string(aspect.from) + " onto house " +
                       std::to_string(aspect.onto) + ", " +
                       std::string(geomancy::aspectName(aspect.kind));
    if (aspect.side != geomancy::AspectSide::Neither) {
      item += ", ";
      item += geomancy::sideName(aspect.side);
    }
    items.push_back(item + ", the " + std::string(geomancy::significatorName(aspect.figureOf)) +
                    "'s figure");
  }
  appendList(out, "  Aspects:", items);
  items.clear();
  for (const auto& companion : perfection.companions) {
    items.push_back("house " + std::to_string(companion.house) + ", " +
                    std::string(geomancy::companyName(companion.company)) + ": " +
                    std::string(latinOf(analysis.houseFigure(companion.house))) +
                    " signifies the " + std::string(geomancy::significatorName(companion.of)) +
                    " too");
  }
  appendList(out, "  Company:", items);
  out += perfection.perfects() ? "  The chart perfects.\n\n"
                               : "  Denial: the chart does not perfect.\n\n";
}

void appendPlain(std::string& out, const geomancy::ChartAnalysis& analysis,
                 std::string_view question, const handbook::Judgement* judgement) {
  if (!question.empty()) {
    out += "Question: ";
    out += question;
    out += "\n\n";
  }
  appendShieldDrawing(out, analysis.reading);
  if (analysis.halted) {
    appendLine(out, "Halted:", 14,
               std::string(latinOf(analysis.houseFigure(1))) +
                   " in house 1; by tradition, not to be judged");
  }
  appendJudgeTexts(out, analysis.reading.judge());
  if (analysis.houses) {
    out += '\n';
    appendHouses(out, analysis);
  }
  if (analysis.perfection) {
    if (!analysis.houses) out += '\n';
    appendPerfection(out, analysis);
  }
  if (judgement != nullptr) {
    if (!analysis.houses && !analysis.perfection) out += '\n';
    appendJudgementPlain(out, analysis, *judgement);
  }
}

void appendPerfectionHeading(std::string& out, int querent, int quesited) {
  out += "Perfection between house " + std::to_string(querent) + ", the querent's, and house " +
         std::to_string(quesited) + ", the quesited's\n";
}

}  // namespace formats
