// SPDX-License-Identifier: MIT
#include "caster.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "cast_options.h"
#include "chart_analysis.h"
#include "chart_svg.h"
#include "chart_text.h"
#include "file_output.h"
#include "interruption.h"
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

class ReadingWriter {
 public:
  ReadingWriter(const CastOptions& options, std::ostream& out)
      : options_(options),
        request_(requestOf(options)),
        out_(out),
        buffer_(kFlushSize + kJsonLineRoom, '\0') {}

  // False once the output has refused a write, or a signal has asked the run to stop: there is
  // no point in casting on.
  bool write(const geomancy::Reading& reading, std::uint32_t number) {
    geomancy::analyseReading(reading, request_, analysis_);
    if (options_.json) {
      // Below kFlushSize, the buffer has room for a whole line.
      used_ =
          static_cast<std::size_t>(writeJson(buffer_.data() + used_, analysis_) - buffer_.data());
    } else {
      text_.clear();
      appendPlainHeading(number);
      appendPlain(text_, analysis_);
      if (!append(text_)) return false;
    }
    if (interruption() != 0) return false;
    return used_ < kFlushSize || flush();
  }

  // The analysis of the reading written last.
  [[nodiscard]] const geomancy::ChartAnalysis& last() const noexcept { return analysis_; }

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

  static geomancy::AnalysisRequest requestOf(const CastOptions& options) {
    geomancy::AnalysisRequest request{options.houses, std::nullopt};
    if (options.quesited) request.question = {options.querent, *options.quesited};
    return request;
  }

  const CastOptions& options_;
  const geomancy::AnalysisRequest request_;
  std::ostream& out_;
  // Made full size once, so that lines are written straight into it; only the first used_ bytes
  // are output.
  std::string buffer_;
  std::size_t used_ = 0;
  std::string text_;                  // a plain reading, before it joins the buffer
  geomancy::ChartAnalysis analysis_;  // of the reading being written, made anew for each
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

// The time now in UTC, ISO 8601 to the second: "2026-12-08T05:30:12Z".
std::string utcNow() {
  const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
  const auto day = std::chrono::floor<std::chrono::days>(now);
  const std::chrono::year_month_day date(day);
  const std::chrono::hh_mm_ss time(now - day);
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%04d-%02u-%02uT%02d:%02d:%02dZ",
                static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                static_cast<unsigned>(date.day()), static_cast<int>(time.hours().count()),
                static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count()));
  return text.data();
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
  ReadingWriter writer(options, out);
  writeReadings(options, writer);
  if (!writer.finish()) return outputFailed(err);
  if (options.svg) {
    const ChartHeading heading{.question = {}, .castAt = utcNow()};
    if (const std::error_code error =
            writeFileByName(*options.svg, chartSvg(writer.last(), heading))) {
      err << kProgramName << ": cannot write the picture to " << quoteArgument(*options.svg) << ": "
          << error.message() << '\n';
      return kExitOutputFailed;
    }
  }
  const int signal = interruption();
  return signal == 0 ? kExitSuccess : kExitSignalBase + signal;
}

int runCaster(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  return runCaster(arguments, out, err);
}

}  // namespace qxcast
