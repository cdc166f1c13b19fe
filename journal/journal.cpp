// SPDX-License-Identifier: MIT
#include "journal.h"

#include <charconv>
#include <vector>

#include "file_handle.h"
#include "json_value.h"
#include "reading_json.h"
#include "user_text.h"
#include "whole_number.h"

namespace journal {
namespace {

using Kind = JsonValue::Kind;

// A number written as a whole number within [lowest, highest], or nothing.
std::optional<int> wholeNumber(const JsonValue* value, int lowest, int highest) {
  if (value == nullptr || value->kind != Kind::Number) return std::nullopt;
  return formats::parseWholeNumber(value->text, lowest, highest);
}

// A figure written as its four rows, 1 or 2 points each.
std::optional<geomancy::FigureMask> figureOf(const JsonValue& value) {
  if (value.kind != Kind::Array || value.items.size() != geomancy::kRowsPerFigure) {
    return std::nullopt;
  }
  geomancy::Figure figure{};
  for (int row = 0; row < geomancy::kRowsPerFigure; ++row) {
    const auto points = wholeNumber(&value.items[static_cast<std::size_t>(row)], 1, 2);
    if (!points) return std::nullopt;
    figure[row] = static_cast<geomancy::RowValue>(*points);
  }
  return geomancy::maskOf(figure);
}

bool holdsFigure(const JsonValue* value, geomancy::FigureMask mask) {
  return value != nullptr && figureOf(*value) == mask;
}

// Every figure of the line is the one its Mothers make.
bool figuresFollow(const JsonValue& line, const geomancy::Reading& reading) {
  for (const geomancy::PositionGroup& group : geomancy::kPositionGroups) {
    const JsonValue* figures = line.member(group.name);
    if (figures == nullptr || figures->kind != Kind::Array ||
        figures->items.size() != static_cast<std::size_t>(group.count)) {
      return false;
    }
    for (int i = 0; i < group.count; ++i) {
      if (!holdsFigure(&figures->items[static_cast<std::size_t>(i)],
                       reading.chart[group.first + i])) {
        return false;
      }
    }
  }
  return holdsFigure(line.member("judge"), reading.judge()) &&
         holdsFigure(line.member("reconciler"), reading.reconciler);
}

// The options the reading was cast with, or why they are not there.
std::string readRequest(const JsonValue* options, geomancy::AnalysisRequest& request) {
  if (options == nullptr || options->kind != Kind::Object) return "no options";
  const JsonValue* houses = options->member("houses");
  if (houses == nullptr || (houses->kind != Kind::True && houses->kind != Kind::False)) {
    return "no houses option";
  }
  request.houses = houses->kind == Kind::True;
  // A null order or topic is none, as a null quesited is.
  if (const JsonValue* order = options->member("order"); order && order->kind != Kind::Null) {
    const auto named = order->kind == Kind::String ? geomancy::orderNamed(order->text) : std::nullopt;
    if (!named) return "an order of houses this program does not know";
    request.order = *named;
  }
  if (const JsonValue* topic = options->member("topic"); topic && topic->kind != Kind::Null) {
    const auto named = topic->kind == Kind::String ? geomancy::topicNamed(topic->text) : std::nullopt;
    if (!named) return "a topic this program does not know";
    request.topic = *named;
  }
  if (const JsonValue* reading = options->member("reading")) {
    if (reading->kind != Kind::True && reading->kind != Kind::False) {
      return "a reading option not true or false";
    }
    request.reading = reading->kind == Kind::True;
  }
  const auto querent = wholeNumber(options->member("querent"), 1, geomancy::kHouseCount);
  if (!querent) return "no querent's house";
  const JsonValue* quesited = options->member("quesited");
  if (quesited != nullptr && quesited->kind == Kind::Null) return {};
  const auto house = wholeNumber(quesited, 2, geomancy::kHouseCount);
  if (!house || *house == *querent) return "no quesited's house";
  request.question = geomancy::QuestionHouses{*querent, *house};
  return {};
}

std::string readEntry(const JsonValue& line, Entry& entry) {
  if (line.kind != Kind::Object) return "not a JSON object";
  const JsonValue* mothers = line.member("mothers");
  if (mothers == nullptr || mothers->kind != Kind::Array ||
      mothers->items.size() != entry.mothers.size()) {
    return "no Mothers";
  }
  for (std::size_t mother = 0; mother < entry.mothers.size(); ++mother) {
    const auto figure = figureOf(mothers->items[mother]);
    if (!figure) return "no Mothers";
    entry.mothers[mother] = *figure;
  }
  if (!figuresFollow(line, geomancy::readingOf(geomancy::shieldMasks(entry.mothers)))) {
    return "its figures are not those its Mothers make";
  }
  const JsonValue* castAt = line.member("cast_at");
  const auto time = castAt != nullptr && castAt->kind == Kind::String
                        ? formats::CastTime::fromIso(castAt->text)
                        : std::nullopt;
  if (!time) return "no time of casting";
  entry.castAt = *time;
  if (const JsonValue* question = line.member("question")) {
    if (question->kind != Kind::String) return "a question that is not a text";
    if (const std::string fault = formats::questionFault(question->text); !fault.empty()) {
      return "its question " + fault;
    }
    entry.question = question->text;
  }
  if (const JsonValue* byHand = line.member("by_hand")) {
    if (byHand->kind != Kind::True && byHand->kind != Kind::False) return "by_hand not true or false";
    entry.byHand = byHand->kind == Kind::True;
  }
  return readRequest(line.member("options"), entry.request);
}

}  // namespace

geomancy::ChartAnalysis analysisOf(const Entry& entry) {
  geomancy::ChartAnalysis analysis;
  geomancy::analyseReading(geomancy::readingOf(geomancy::shieldMasks(entry.mothers)), entry.request,
                           analysis);
  return analysis;
}

LineRead readLine(std::string_view line) {
  LineRead result;
  const JsonParse parsed = parseJson(line);
  if (!parsed.ok()) {
    result.fault = "not JSON: " + parsed.fault;
  } else {
    result.fault = readEntry(parsed.value, result.entry);
  }
  if (!result.ok()) result.entry = {};
  return result;
}

Appender::Appender(const std::string& name) {
  const std::filesystem::path path = files::pathFromUtf8(name);
  std::error_code error;
  if (std::filesystem::is_regular_file(path, error)) {
    cutShort_ = files::FileHandle(path, files::FileHandle::Mode::Read).endsInsideALine();
  }
  file_ = std::make_unique<files::FileHandle>(path, files::FileHandle::Mode::AppendOrCreate);
}

Appender::~Appender() = default;

std::error_code Appender::error() const {
  return file_->error();
}

std::error_code Appender::append(const geomancy::ChartAnalysis& analysis,
                                 std::string_view question, const formats::JournalKeys& keys) {
  line_.clear();
  if (cutShort_) line_ += '\n';
  cutShort_ = false;
  formats::appendJsonLine(line_, analysis, question, &keys);
  return file_->write(line_.view());
}

std::error_code Appender::finish() {
  if (const std::error_code error = file_->sync()) return error;
  return file_->close();
}

std::error_code appendEntry(const std::string& name, const Entry& entry) {
  Appender appender(name);
  if (appender.error()) return appender.error();
  const std::error_code error = appender.append(
      analysisOf(entry), entry.question, {entry.castAt, entry.request, entry.byHand});
  const std::error_code finished = appender.finish();
  return error ? error : finished;
}

std::error_code readEntries(const std::string& name,
                            const std::function<void(const Entry&)>& reading,
                            const std::function<void(std::uint64_t, std::string_view)>& damaged) {
  files::FileHandle file(files::pathFromUtf8(name), files::FileHandle::Mode::Read);
  if (file.error()) return file.error();
  std::uint64_t number = 0;
  std::string line;
  bool tooLong = false;
  bool started = false;  // something of a line has been read since the last line end
  const auto endLine = [&] {
    ++number;
    if (tooLong) {
      damaged(number, "longer than " + std::to_string(kMaxLine) + " bytes");
    } else if (line.empty()) {
      // No reading, and no damage: an appender that found the journal ending inside a line
      // (as it may while another program's line is half written) begins its own with a line end.
    } else if (const LineRead read = readLine(line); read.ok()) {
      reading(read.entry);
    } else {
      damaged(number, read.fault);
    }
    line.clear();
    tooLong = false;
    started = false;
  };
  std::vector<char> block(1 << 16);
  for (std::size_t got; (got = file.read(block.data(), block.size())) > 0;) {
    std::string_view rest(block.data(), got);
    while (!rest.empty()) {
      const std::size_t lineEnd = rest.find('\n');
      const std::string_view piece = rest.substr(0, lineEnd);
      started = true;
      tooLong = tooLong || line.size() + piece.size() > kMaxLine;
      if (tooLong) {
        line.clear();
      } else {
        line += piece;
      }
      if (lineEnd == std::string_view::npos) break;
      endLine();
      rest.remove_prefix(lineEnd + 1);
    }
  }
  if (file.error()) return file.error();
  if (started) endLine();  // the last line, cut short of its line end
  return {};
}

}  // namespace journal
