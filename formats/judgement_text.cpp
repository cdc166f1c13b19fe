// SPDX-License-Identifier: MIT
#include "judgement_text.h"

#include <array>

#include "catalogue.h"
#include "chart_text.h"
#include "house_meanings.h"
#include "witness_tables.h"

namespace formats {
namespace {

constexpr std::size_t kWidth = 80;

// `text` broken at blanks into lines within kWidth, each after `indent` blanks; the first line
// after `first` instead, when given.
void appendWrapped(std::string& out, std::string_view text, std::size_t indent,
                   std::string_view first = {}) {
  std::string line(first);
  if (first.empty()) line.assign(indent, ' ');
  bool lineEmpty = true;
  while (!text.empty()) {
    const std::size_t end = text.find(' ');
    const std::string_view word = text.substr(0, end);
    if (!lineEmpty && line.size() + 1 + word.size() > kWidth) {
      out += line;
      out += '\n';
      line.assign(indent, ' ');
      lineEmpty = true;
    }
    if (!lineEmpty) line += ' ';
    line += word;
    lineEmpty = false;
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  out += line;
  out += '\n';
}

std::string_view leaningWords(handbook::Leaning leaning) {
  static constexpr std::array<std::string_view, 3> kWords{"for", "against", "neither way"};
  return kWords[static_cast<std::size_t>(leaning)];
}

std::string_view nameOf(geomancy::FigureMask figure) {
  return geomancy::entryForMask(figure).latinName;
}

void appendHeading(std::string& out, const geomancy::ChartAnalysis& analysis,
                   const handbook::Judgement& judgement) {
  out += "Reading by the method of ";
  out += handbook::kBookCitation;
  out += '\n';
  std::string question =
      judgement.topic ? "  A question of " + std::string(geomancy::topicName(*judgement.topic))
                      : std::string("  A question");
  if (judgement.house != 0) {
    question += ", judged from house " + std::to_string(judgement.house);
  } else {
    question += " without a house of the demand";
  }
  if (analysis.request.order == geomancy::HouseOrder::GoldenDawn) {
    question += "; the figures in the Golden Dawn's order";
  }
  appendWrapped(out, question.substr(2), 4, "  ");
  const handbook::Balance& balance = judgement.balance;
  out += "  Balance: " + std::to_string(balance.leaningFor) + " for, " +
         std::to_string(balance.leaningAgainst) + " against, " +
         std::to_string(balance.leaningNeither) + " neither\n";
  appendWrapped(out, balance.summary, 4);
  out += '\n';
}

void appendTestimonies(std::string& out, const handbook::Judgement& judgement) {
  int number = 0;
  for (const handbook::Testimony& testimony : judgement.testimonies) {
    const std::string title =
        std::to_string(++number) + ". " + std::string(stepTitle(testimony.step)) + ", leaning " +
        std::string(leaningWords(testimony.leaning)) + " (" + sourceText(testimony.source) + ")";
    appendWrapped(out, title, 5, "  ");
    appendWrapped(out, saying(testimony), 5);
  }
  out += '\n';
}

void appendHeads(std::string& out, const handbook::Judgement& judgement) {
  const handbook::WitnessColumn& column = *judgement.witnesses.column;
  out += "The Witnesses' answers under the ten heads, as printed (" +
         sourceText({4, judgement.witnesses.block->page}) + ")\n";
  constexpr int kRows = geomancy::kTopicCount / 2;
  for (int row = 0; row < kRows; ++row) {
    std::string line = "  ";
    for (const int topic : {row, row + kRows}) {
      const auto head = static_cast<geomancy::Topic>(topic);
      const std::size_t start = line.size();
      line += handbook::headName(head);
      line.resize(start + 14, ' ');
      line += column.heads[static_cast<std::size_t>(topic)].printed;
      if (topic == row) line.resize(start + 38, ' ');
    }
    out += line;
    out += '\n';
  }
  if (!column.misprint.empty()) {
    appendWrapped(out, "The book misprints this column: " + std::string(column.misprint) + ".", 2,
                  "  ");
  }
  out += '\n';
}

void appendMeanings(std::string& out, const geomancy::ChartAnalysis& analysis) {
  out += "The houses by the handbook (chapter V, pp. 154-156)\n";
  for (int house = 1; house <= geomancy::kHouseCount; ++house) {
    const geomancy::FigureMask figure = analysis.houseFigure(house);
    const handbook::HouseMeaning& meaning = handbook::meaningIn(figure, house);
    std::string first = std::to_string(house);
    first.insert(0, 4 - first.size(), ' ');
    first += "  ";
    first += nameOf(figure);
    first.resize(22, ' ');
    first += handbook::verdictName(meaning.verdict);
    first.resize(33, ' ');
    appendWrapped(out, meaning.says, 33, first);
  }
}

}  // namespace

std::string saying(const handbook::Testimony& testimony) {
  std::string out;
  for (const std::string_view piece : testimony.says) out += piece;
  return out;
}

std::string sourceText(handbook::Source source) {
  return "chapter " + std::string(handbook::chapterNumeral(source.chapter)) + ", p. " +
         std::to_string(source.page);
}

std::string_view stepTitle(handbook::Step step) noexcept {
  static constexpr std::array<std::string_view, handbook::kStepCount> kTitles{
      "Fitness",
      "The Witnesses and the Judge",
      "The figure in the house",
      "Its meaning there",
      "The friendly aspects",
      "The hard aspects",
      "The end of the matter",
      "The Reconciler",
      "The Part of Fortune"};
  return kTitles[static_cast<std::size_t>(step)];
}

void appendJudgementPlain(std::string& out, const geomancy::ChartAnalysis& analysis,
                          const handbook::Judgement& judgement) {
  appendHeading(out, analysis, judgement);
  appendTestimonies(out, judgement);
  appendHeads(out, judgement);
  appendMeanings(out, analysis);
}

void appendReadingInWords(std::string& out, const geomancy::ChartAnalysis& analysis,
                          const handbook::Judgement& judgement, std::string_view question) {
  if (!question.empty()) {
    out += "Question: ";
    out += question;
    out += "\n\n";
  }
  appendHeading(out, analysis, judgement);
  appendTestimonies(out, judgement);
  if (analysis.perfection) appendPerfection(out, analysis);
  if (analysis.houses) appendHouses(out, analysis);
  appendHeads(out, judgement);
  appendMeanings(out, analysis);
  out += '\n';
  appendJudgeTexts(out, analysis.reading.judge());
}

}  // namespace formats
