// SPDX-License-Identifier: MIT
#include "caster.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cast_options.h"
#include "chart_analysis.h"
#include "chart_svg.h"
#include "chart_text.h"
#include "file_output.h"
#include "interruption.h"
#include "journal.h"
#include "odds_output.h"
#include "random_source.h"
#include "reading_caster.h"
#include "reading_json.h"

namespace qxcast {
namespace {

constexpr std::string_view kProgramName = "qxgeomancy-cast";
// Output leaves in blocks of about this size; one write per reading would dominate the run time.
// A write to /dev/null costs about 0.6 microseconds on the build machine: with 64 KiB blocks, 19 ns
// of every analysed line of 1.9 kB, with 256 KiB blocks 5 ns.
constexpr std::size_t kFlushSize = 1 << 18;

geomancy::AnalysisRequest requestOf(const CastOptions& options) {
  geomancy::AnalysisRequest request{options.houses, std::nullopt};
  if (options.quesited) request.question = {options.querent, *options.quesited};
  return request;
}

// The time of the cast, in the journal's form, worked out again only when the second changes.
class CastClock {
 public:
  const std::string& now() {
    const auto second = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    if (text_.empty() || second != second_) {
      second_ = second;
      text_ = utcTimestamp(second);
    }
    return text_;
  }

 private:
  std::chrono::sys_seconds second_{};
  std::string text_;
};

class ReadingWriter {
 public:
  ReadingWriter(const CastOptions& options, std::ostream& out, JournalFile* journal)
      : options_(options),
        request_(requestOf(options)),
        out_(out),
        journal_(journal),
        questionKeys_(questionKeys(options.question.value_or(""))),
        buffer_(kFlushSize + kJsonLineRoom + questionKeys_.size(), '\0') {
    // The journal's keys are as long at any time of this era as at its start.
    const std::size_t keys = journalKeys(utcTimestamp({}), request_).size();
    if (journal_ != nullptr) journalLine_.resize(kJsonLineRoom + questionKeys_.size() + keys);
  }

  // False once the output or the journal has refused a write, or a signal has asked the run to
  // stop: there is no point in casting on.
  bool write(const geomancy::Reading& reading, std::uint32_t number) {
    geomancy::analyseReading(reading, request_, analysis_);
    if (journal_ != nullptr || options_.svg) castAt_ = clock_.now();
    if (options_.json) {
      // Below kFlushSize, the buffer has room for a whole line.
      char* const line = buffer_.data() + used_;
      char* const end = writeJsonLine(line);
      if (journal_ != nullptr && !addToJournal(std::string_view(line, end))) return false;
      used_ = static_cast<std::size_t>(end - buffer_.data());
    } else {
      if (journal_ != nullptr) {
        char* const line = journalLine_.data();
        if (!addToJournal(std::string_view(line, writeJsonLine(line)))) return false;
      }
      text_.clear();
      appendPlainHeading(number);
      appendQuestion(text_, options_.question.value_or(""));
      appendPlain(text_, analysis_);
      if (!append(text_)) return false;
    }
    if (interruption() != 0) return false;
    return used_ < kFlushSize || flush();
  }

  // The analysis of the reading written last, and when it was cast.
  [[nodiscard]] const geomancy::ChartAnalysis& last() const noexcept { return analysis_; }
  [[nodiscard]] const std::string& lastCastAt() const noexcept { return castAt_; }
  // Why the journal refused the reading that was not written, if it did.
  [[nodiscard]] std::error_code journalError() const noexcept { return journalError_; }

  bool finish() {
    flush();
    out_.flush();
    return static_cast<bool>(out_);
  }

 private:
  // Several plain readings get a heading each and a blank line between them.
  void appendPlainHeading(std::uint32_t number) {
    if (options_.readings == 1) return;
    if (number > 1) text_ += '\n';
    text_ += "Reading ";
    appendNumber(number);
    text_ += " of ";
    appendNumber(options_.readings);
    text_ += "\n\n";
  }

  void appendNumber(std::uint32_t number) {
    std::array<char, 16> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
    text_.append(digits.data(), end);
  }

  // The reading's --json line at `at`, where there is room for it; returns its end.
  char* writeJsonLine(char* at) {
    char* end = writeJson(at, analysis_);
    return questionKeys_.empty() ? end : addKeys(end, questionKeys_);
  }

  // The journal gets the reading before the output does: a reading shown has been kept.
  bool addToJournal(std::string_view jsonLine) {
    if (jsonLine.data() != journalLine_.data()) jsonLine.copy(journalLine_.data(), jsonLine.size());
    char* const end =
        addKeys(journalLine_.data() + jsonLine.size(), journalKeys(castAt_, request_));
    journalError_ = journal_->append(std::string_view(journalLine_.data(), end));
    return !journalError_;
  }

  bool append(std::string_view text) {
    if (text.size() > buffer_.size() - used_ && !flush()) return false;
    if (text.size() > buffer_.size()) {
      out_.write(text.data(), static_cast<std::streamsize>(text.size()));
      return static_cast<bool>(out_);
    }
    text.copy(buffer_.data() + used_, text.size());
    used_ += text.size();
    return true;
  }

  bool flush() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(used_));
    used_ = 0;
    return static_cast<bool>(out_);
  }

  const CastOptions& options_;
  const geomancy::AnalysisRequest request_;
  std::ostream& out_;
  JournalFile* const journal_;
  const std::string questionKeys_;
  // Made full size once, so that lines are written straight into it; only the first used_ bytes
  // are output.
  std::string buffer_;
  std::size_t used_ = 0;
  std::string text_;                  // a plain reading, before it joins the buffer
  std::string journalLine_;           // room for the line the journal gets, as big as it can be
  geomancy::ChartAnalysis analysis_;  // of the reading being written, made anew for each
  CastClock clock_;
  std::string castAt_;
  std::error_code journalError_;
};

void writeReadings(const CastOptions& options, ReadingWriter& writer) {
  if (options.mothers) {
    const geomancy::Reading reading = geomancy::readingOf(geomancy::shieldMasks(*options.mothers));
    countUpTo(options.readings,
              [&](std::uint32_t number) { return writer.write(reading, number); });
    return;
  }
  geomancy::ReadingCaster caster(options.seed.value_or(geomancy::clockSeed()));
  countUpTo(options.readings, [&](std::uint32_t number) {
    return writer.write(geomancy::readingOf(caster.next()), number);
  });
}

int outputFailed(std::ostream& err) {
  err << kProgramName << ": cannot write the output\n";
  return kExitOutputFailed;
}

int writeOdds(const CastOptions& options, std::ostream& out, std::ostream& err) {
  const geomancy::ExactOdds odds = options.quesited
                                       ? geomancy::exactOdds(options.querent, *options.quesited)
                                       : geomancy::exactOdds();
  std::string text;
  (options.json ? appendOddsJson : appendOddsPlain)(text, odds);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  return out.flush() ? kExitSuccess : outputFailed(err);
}

int pictureFailed(const std::string& path, std::error_code error, std::ostream& err) {
  err << kProgramName << ": cannot write the picture to " << quoteArgument(path) << ": "
      << error.message() << '\n';
  return kExitOutputFailed;
}

int journalFailed(std::string_view doing, const std::string& path, std::error_code error,
                  std::ostream& err) {
  err << kProgramName << ": cannot " << doing << " the journal " << quoteArgument(path) << ": "
      << error.message() << '\n';
  return kExitOutputFailed;
}

// A folder is a slip in the arguments, not a journal that failed.
bool namesAFolder(const std::string& path, std::ostream& err) {
  std::error_code ignored;
  if (!std::filesystem::is_directory(pathFromUtf8(path), ignored)) return false;
  err << kProgramName << ": --journal names a folder, not a file: " << quoteArgument(path) << '\n';
  return true;
}

int castReadings(const CastOptions& options, std::ostream& out, std::ostream& err) {
  std::unique_ptr<JournalFile> journal;
  if (options.journal) {
    if (namesAFolder(*options.journal, err)) return kExitBadArguments;
    journal = std::make_unique<JournalFile>(*options.journal);
    if (journal->error()) return journalFailed("open", *options.journal, journal->error(), err);
  }
  ReadingWriter writer(options, out, journal.get());
  writeReadings(options, writer);
  const bool written = writer.finish();
  // Whatever the output did, the readings the journal took are synced to the disk.
  if (journal) {
    std::error_code error = writer.journalError();
    if (const std::error_code finished = journal->finish(); !error) error = finished;
    if (error) return journalFailed("add to", *options.journal, error, err);
  }
  if (!written) return outputFailed(err);
  if (options.svg) {
    const ChartHeading heading{options.question.value_or(""), writer.lastCastAt()};
    if (const std::error_code error =
            writeFileByName(*options.svg, chartSvg(writer.last(), heading))) {
      return pictureFailed(*options.svg, error, err);
    }
  }
  const int signal = interruption();
  return signal == 0 ? kExitSuccess : kExitSignalBase + signal;
}

// Calls visit(entry) for each reading the journal holds, oldest first. Damaged lines are reported
// on `err` as they come. Returns the exit status if the journal cannot be read.
template <typename Visit>
std::optional<int> readReadings(const std::string& path, Visit visit, std::ostream& err) {
  if (namesAFolder(path, err)) return kExitBadArguments;
  const auto damaged = [&err](std::uint64_t line, std::string_view fault) {
    err << kProgramName << ": journal line " << line << " skipped: " << fault << '\n';
  };
  const std::error_code error = readJournal(path, visit, damaged);
  if (error) return journalFailed("read", path, error, err);
  return std::nullopt;
}

// One line a reading: its number, when it was cast, its Judge and its question.
int listJournal(const CastOptions& options, std::ostream& out, std::ostream& err) {
  struct Listed {
    std::string castAt;
    std::string judge;
    std::string question;
  };
  std::vector<Listed> listed;
  const auto keep = [&listed](const JournalEntry& entry) {
    const geomancy::Reading reading = geomancy::readingOf(geomancy::shieldMasks(entry.mothers));
    listed.push_back(Listed{entry.castAt, latinName(reading.judge()), entry.question});
  };
  if (const auto failed = readReadings(*options.journal, keep, err)) return *failed;
  const std::size_t numberWidth = std::to_string(listed.size()).size();
  std::size_t nameWidth = 0;
  for (int figure = 0; figure < geomancy::kMaskCount; ++figure) {
    nameWidth = std::max(nameWidth, latinName(static_cast<geomancy::FigureMask>(figure)).size());
  }
  std::string text;
  for (std::size_t i = 0; i < listed.size(); ++i) {
    const std::string number = std::to_string(i + 1);
    text.append(numberWidth - number.size(), ' ').append(number).append("  ");
    // 2026-12-08T05:30:12Z as 2026-12-08 05:30:12
    text.append(listed[i].castAt, 0, 10).append(1, ' ').append(listed[i].castAt, 11, 8);
    text.append("  ").append(listed[i].judge);
    if (!listed[i].question.empty()) {
      text.append(nameWidth + 2 - listed[i].judge.size(), ' ').append(listed[i].question);
    }
    text += '\n';
  }
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  return out.flush() ? kExitSuccess : outputFailed(err);
}

// Reading N drawn again from its Mothers and the options it was cast with, as it was then.
int showJournal(const CastOptions& options, std::ostream& out, std::ostream& err) {
  // Only the reading shown is kept: a journal may hold millions.
  std::uint64_t count = 0;
  JournalEntry entry;
  const auto keep = [&](const JournalEntry& read) {
    if (++count == *options.show) entry = read;
  };
  if (const auto failed = readReadings(*options.journal, keep, err)) return *failed;
  if (*options.show > count) {
    err << kProgramName << ": --show " << *options.show << ": the journal holds " << count
        << (count == 1 ? " reading\n" : " readings\n");
    return kExitBadArguments;
  }
  geomancy::ChartAnalysis analysis;
  geomancy::analyseReading(geomancy::readingOf(geomancy::shieldMasks(entry.mothers)), entry.request,
                           analysis);
  std::string text;
  if (options.json) {
    const std::string keys =
        questionKeys(entry.question) + journalKeys(entry.castAt, entry.request);
    text.resize(kJsonLineRoom + keys.size());
    text.resize(
        static_cast<std::size_t>(addKeys(writeJson(text.data(), analysis), keys) - text.data()));
  } else {
    appendQuestion(text, entry.question);
    appendPlain(text, analysis);
  }
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (!out.flush()) return outputFailed(err);
  if (options.svg) {
    if (const std::error_code error = writeFileByName(
            *options.svg, chartSvg(analysis, ChartHeading{entry.question, entry.castAt}))) {
      return pictureFailed(*options.svg, error, err);
    }
  }
  return kExitSuccess;
}

}  // namespace

int runCaster(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err) {
  const ParsedArguments parsed = parseArguments(arguments);
  if (!parsed.ok()) {
    err << kProgramName << ": " << parsed.error << '\n';
    return kExitBadArguments;
  }
  if (parsed.options.help || parsed.options.version) {
    out << (parsed.options.help ? usageText() : versionText());
    return out.flush() ? kExitSuccess : outputFailed(err);
  }
  const CastOptions& options = parsed.options;
  if (options.odds) return writeOdds(options, out, err);
  if (options.list) return listJournal(options, out, err);
  if (options.show) return showJournal(options, out, err);
  return castReadings(options, out, err);
}

int runCaster(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  return runCaster(arguments, out, err);
}

}  // namespace qxcast
