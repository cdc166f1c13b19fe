// SPDX-License-Identifier: MIT
#include <array>
#include <charconv>
#include <chrono>
#include <memory>
#include <ostream>
#include <string>

#include "chart_analysis.h"
#include "chart_text.h"
#include "commands.h"
#include "count_up_to.h"
#include "file_by_name.h"
#include "interruption.h"
#include "journal.h"
#include "judgement.h"
#include "random_source.h"
#include "reading_caster.h"
#include "reading_json.h"

namespace qxcast {
namespace {

// Output leaves in blocks of about this size; one write per reading would dominate the run time.
// A write to /dev/null costs about 0.6 microseconds on the build machine: with 64 KiB blocks, 19 ns
// of every analysed line of 1.9 kB, with 256 KiB blocks 5 ns.
constexpr std::size_t kFlushSize = 1 << 18;
constexpr std::size_t kBufferSize = kFlushSize + (1 << 16);

class ReadingWriter {
 public:
  ReadingWriter(const CastCommand& command, std::ostream& out, journal::Appender* journal)
      : command_(command), out_(out), journal_(journal), buffer_(kBufferSize) {}

  // False once the output or the journal has refused a write, or a signal has asked the run to
  // stop: there is no point in casting on.
  bool write(const geomancy::Reading& reading, std::uint32_t number) {
    geomancy::analyseReading(reading, command_.request, analysis_);
    const handbook::Judgement* judgement = nullptr;
    if (command_.request.reading) {
      handbook::judge(analysis_, judgement_);
      judgement = &judgement_;
    }
    if (journal_ != nullptr || command_.svg) {
      castAt_ = formats::CastTime::at(std::chrono::system_clock::now());
    }
    // The journal gets the reading before the output does: a reading shown has been kept.
    if (journal_ != nullptr) {
      journalError_ = journal_->append(analysis_, command_.question, {castAt_, command_.request});
      if (journalError_) return false;
    }
    if (command_.json) {
      formats::appendJsonLine(buffer_, analysis_, command_.question, nullptr, judgement);
    } else {
      text_.clear();
      appendPlainHeading(number);
      formats::appendPlain(text_, analysis_, command_.question, judgement);
      buffer_ += text_;
    }
    if (interruption() != 0) return false;
    return buffer_.size() < kFlushSize || flush();
  }

  // The analysis of the reading written last, and when it was cast.
  [[nodiscard]] const geomancy::ChartAnalysis& last() const noexcept { return analysis_; }
  [[nodiscard]] const formats::CastTime& lastCastAt() const noexcept { return castAt_; }
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
    if (command_.readings == 1) return;
    if (number > 1) text_ += '\n';
    text_ += "Reading ";
    appendNumber(number);
    text_ += " of ";
    appendNumber(command_.readings);
    text_ += "\n\n";
  }

  void appendNumber(std::uint32_t number) {
    std::array<char, 16> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
    text_.append(digits.data(), end);
  }

  bool flush() {
    out_.write(buffer_.view().data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
    return static_cast<bool>(out_);
  }

  const CastCommand& command_;
  std::ostream& out_;
  journal::Appender* const journal_;
  formats::TextBuffer buffer_;
  std::string text_;                  // a plain reading, before it joins the buffer
  geomancy::ChartAnalysis analysis_;  // of the reading being written, made anew for each
  handbook::Judgement judgement_;     // of the same, when the reading in words is asked for
  formats::CastTime castAt_;
  std::error_code journalError_;
};

void writeReadings(const CastCommand& command, ReadingWriter& writer) {
  if (command.mothers) {
    const geomancy::Reading reading = geomancy::readingOf(geomancy::shieldMasks(*command.mothers));
    countUpTo(command.readings,
              [&](std::uint32_t number) { return writer.write(reading, number); });
    return;
  }
  geomancy::ReadingCaster caster(command.seed.value_or(geomancy::clockSeed()));
  countUpTo(command.readings, [&](std::uint32_t number) {
    return writer.write(geomancy::readingOf(caster.next()), number);
  });
}

}  // namespace

int castReadings(const CastCommand& command, std::ostream& out, Messages& messages) {
  std::unique_ptr<journal::Appender> journal;
  if (command.journal) {
    if (files::isFolder(*command.journal)) return messages.journalIsAFolder(*command.journal);
    journal = std::make_unique<journal::Appender>(*command.journal);
    if (journal->error()) return messages.journalFailed("open", *command.journal, journal->error());
  }
  ReadingWriter writer(command, out, journal.get());
  writeReadings(command, writer);
  const bool written = writer.finish();
  // Whatever the output did, the readings the journal took are synced to the disk.
  if (journal) {
    std::error_code error = writer.journalError();
    if (const std::error_code finished = journal->finish(); !error) error = finished;
    if (error) return messages.journalFailed("add to", *command.journal, error);
  }
  if (!written) return messages.outputFailed();
  if (command.svg) {
    const int status = writePicture(*command.svg, writer.last(),
                                    {command.question, writer.lastCastAt()}, messages);
    if (status != kExitSuccess) return status;
  }
  const int signal = interruption();
  return signal == 0 ? kExitSuccess : kExitSignalBase + signal;
}

}  // namespace qxcast
