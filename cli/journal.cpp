// SPDX-License-Identifier: MIT
#include "journal.h"

#include <fcntl.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "cast_options.h"
#include "file_output.h"
#include "json_value.h"
#include "reading_json.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace qxcast {
namespace {

namespace fs = std::filesystem;
using Kind = JsonValue::Kind;

// A file descriptor opened for reading, closed once.
class InputFile {
 public:
  explicit InputFile(const fs::path& path) {
#ifdef _WIN32
    descriptor_ = ::_wopen(path.c_str(), _O_RDONLY | _O_BINARY);
#else
    descriptor_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
#endif
    if (descriptor_ < 0) error_ = lastError();
  }
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  ~InputFile() {
#ifdef _WIN32
    if (descriptor_ >= 0) (void)::_close(descriptor_);
#else
    if (descriptor_ >= 0) (void)::close(descriptor_);
#endif
  }

  [[nodiscard]] std::error_code error() const {
    return error_;
  }

  // Up to `room` bytes; 0 at the end of the file and after an error.
  std::size_t read(char* into, std::size_t room) {
    while (!error_) {
#ifdef _WIN32
      const auto got = ::_read(descriptor_, into, static_cast<unsigned>(room));
#else
      const auto got = ::read(descriptor_, into, room);
#endif
      if (got >= 0) return static_cast<std::size_t>(got);
      if (errno != EINTR) error_ = lastError();
    }
    return 0;
  }

  // Whether the file ends with something other than a line end.
  [[nodiscard]] bool endsInsideALine() {
#ifdef _WIN32
    const bool placed = ::_lseeki64(descriptor_, -1, SEEK_END) >= 0;
#else
    const bool placed = ::lseek(descriptor_, -1, SEEK_END) >= 0;
#endif
    char last = '\n';
    return placed && read(&last, 1) == 1 && last != '\n';
  }

 private:
  int descriptor_ = -1;
  std::error_code error_;
};

// A number written as a whole number within [lowest, highest], or nothing.
std::optional<int> wholeNumber(const JsonValue* value, int lowest, int highest) {
  if (value == nullptr || value->kind != Kind::Number) return std::nullopt;
  int number = 0;
  const std::string& text = value->text;
  const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (fault != std::errc{} || end != text.data() + text.size() || number < lowest ||
      number > highest) {
    return std::nullopt;
  }
  return number;
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
  for (const JsonGroup& group : kJsonGroups) {
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

bool isTimestamp(const JsonValue* value) {
  if (value == nullptr || value->kind != Kind::String) return false;
  const std::string& text = value->text;
  constexpr std::string_view kShape = "dddd-dd-ddTdd:dd:ddZ";
  if (text.size() != kShape.size()) return false;
  for (std::size_t at = 0; at < kShape.size(); ++at) {
    const bool digit = text[at] >= '0' && text[at] <= '9';
    if (kShape[at] == 'd' ? !digit : text[at] != kShape[at]) return false;
  }
  const auto field = [&text](std::size_t at, std::size_t size) {
    int number = 0;
    std::from_chars(text.data() + at, text.data() + at + size, number);
    return number;
  };
  const std::chrono::year_month_day date{std::chrono::year(field(0, 4)),
                                         std::chrono::month(static_cast<unsigned>(field(5, 2))),
                                         std::chrono::day(static_cast<unsigned>(field(8, 2)))};
  return date.ok() && field(11, 2) < 24 && field(14, 2) < 60 && field(17, 2) < 61;
}

// The options the reading was cast with, or why they are not there.
std::string readRequest(const JsonValue* options, geomancy::AnalysisRequest& request) {
  if (options == nullptr || options->kind != Kind::Object) return "no options";
  const JsonValue* houses = options->member("houses");
  if (houses == nullptr || (houses->kind != Kind::True && houses->kind != Kind::False)) {
    return "no houses option";
  }
  request.houses = houses->kind == Kind::True;
  const auto querent = wholeNumber(options->member("querent"), 1, geomancy::kHouseCount);
  if (!querent) return "no querent's house";
  const JsonValue* quesited = options->member("quesited");
  if (quesited != nullptr && quesited->kind == Kind::Null) return {};
  const auto house = wholeNumber(quesited, 2, geomancy::kHouseCount);
  if (!house || *house == *querent) return "no quesited's house";
  request.question = geomancy::QuestionHouses{*querent, *house};
  return {};
}

std::string readEntry(const JsonValue& line, JournalEntry& entry) {
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
  if (!isTimestamp(castAt)) return "no time of casting";
  entry.castAt = castAt->text;
  if (const JsonValue* question = line.member("question")) {
    if (question->kind != Kind::String) return "a question that is not a text";
    if (const std::string fault = questionFault(question->text); !fault.empty()) {
      return "its question " + fault;
    }
    entry.question = question->text;
  }
  return readRequest(line.member("options"), entry.request);
}

}  // namespace

std::string utcTimestamp(std::chrono::system_clock::time_point when) {
  using namespace std::chrono;
  const auto second = floor<seconds>(when);
  const auto day = floor<days>(second);
  const year_month_day date{day};
  const hh_mm_ss time{second - day};
  std::array<char, 64> text{};
  std::snprintf(text.data(), text.size(), "%04d-%02u-%02uT%02d:%02d:%02dZ",
                static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                static_cast<unsigned>(date.day()), static_cast<int>(time.hours().count()),
                static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count()));
  return text.data();
}

std::string questionKeys(std::string_view question) {
  if (question.empty()) return {};
  std::string keys = ",\"question\":";
  appendJsonString(keys, question);
  return keys;
}

std::string journalKeys(std::string_view castAt, const geomancy::AnalysisRequest& request) {
  std::string keys = ",\"cast_at\":";
  appendJsonString(keys, castAt);
  keys += ",\"options\":{\"houses\":";
  keys += request.houses ? "true" : "false";
  keys += ",\"querent\":" + std::to_string(request.question ? request.question->querent : 1);
  keys += ",\"quesited\":";
  keys += request.question ? std::to_string(request.question->quesited) : "null";
  keys += '}';
  return keys;
}

char* addKeys(char* end, std::string_view keys) {
  end -= 2;  // "}\n"
  std::memcpy(end, keys.data(), keys.size());
  end += keys.size();
  *end++ = '}';
  *end++ = '\n';
  return end;
}

JournalLine readJournalLine(std::string_view line) {
  JournalLine result;
  const JsonParse parsed = parseJson(line);
  if (!parsed.ok()) {
    result.fault = "not JSON: " + parsed.fault;
  } else {
    result.fault = readEntry(parsed.value, result.entry);
  }
  if (!result.ok()) result.entry = {};
  return result;
}

JournalFile::JournalFile(const std::string& name) {
  const fs::path path = pathFromUtf8(name);
  std::error_code error;
  if (fs::is_regular_file(path, error)) cutShort_ = InputFile(path).endsInsideALine();
  file_ = std::make_unique<OutputFile>(path, OutputFile::Mode::AppendOrCreate);
}

JournalFile::~JournalFile() = default;

std::error_code JournalFile::error() const {
  return file_->error();
}

std::error_code JournalFile::append(std::string_view line) {
  if (!cutShort_) return file_->write(line);
  cutShort_ = false;
  std::string mended(1, '\n');
  mended += line;
  return file_->write(mended);
}

std::error_code JournalFile::finish() {
  if (const std::error_code error = file_->sync()) return error;
  return file_->close();
}

std::error_code readJournal(const std::string& name,
                            const std::function<void(const JournalEntry&)>& reading,
                            const std::function<void(std::uint64_t, std::string_view)>& damaged) {
  InputFile file(pathFromUtf8(name));
  if (file.error()) return file.error();
  std::uint64_t number = 0;
  std::string line;
  bool tooLong = false;
  bool started = false;  // something of a line has been read since the last line end
  const auto endLine = [&] {
    ++number;
    if (tooLong) {
      damaged(number, "longer than " + std::to_string(kMaxJournalLine) + " bytes");
    } else if (const JournalLine read = readJournalLine(line); read.ok()) {
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
      tooLong = tooLong || line.size() + piece.size() > kMaxJournalLine;
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

}  // namespace qxcast
