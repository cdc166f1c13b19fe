#include "caster.h"

#include <ostream>
#include <string>
#include <vector>

#include "cast_options.h"
#include "random_source.h"
#include "reading.h"
#include "shield_chart.h"

namespace qxcast {
namespace {

constexpr std::string_view kProgramName = "qxgeomancy-cast";
// Output leaves in blocks of about this size; one write per reading would dominate the run time.
constexpr std::size_t kFlushSize = 1 << 16;

class ReadingWriter {
 public:
  ReadingWriter(const CastOptions& options, std::ostream& out) : options_(options), out_(out) {
    buffer_.reserve(kFlushSize + 4096);
  }

  void write(const Reading& reading, std::uint32_t number) {
    if (options_.json) {
      appendJson(buffer_, reading);
    } else {
      appendPlainHeading(number);
      appendPlain(buffer_, reading);
    }
    if (buffer_.size() >= kFlushSize) flush();
  }

  // False once the output has refused a write: there is no point in casting on.
  [[nodiscard]] bool writable() const { return static_cast<bool>(out_); }

  bool finish() {
    flush();
    out_.flush();
    return static_cast<bool>(out_);
  }

 private:
  // Several plain readings get a heading each and a blank line between them.
  void appendPlainHeading(std::uint32_t number) {
    if (options_.readings == 1) return;
    if (number > 1) buffer_ += '\n';
    buffer_ += "Reading " + std::to_string(number) + " of " + std::to_string(options_.readings);
    buffer_ += "\n\n";
  }

  void flush() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
  }

  const CastOptions& options_;
  std::ostream& out_;
  std::string buffer_;
};

void writeReadings(const CastOptions& options, ReadingWriter& writer) {
  if (options.mothers) {
    const Reading reading = readingFromMothers(*options.mothers);
    for (std::uint32_t number = 1; number <= options.readings && writer.writable(); ++number) {
      writer.write(reading, number);
    }
    return;
  }
  geomancy::PseudoRandomSource random(options.seed.value_or(geomancy::clockSeed()));
  geomancy::ShieldChart chart(random);
  for (std::uint32_t number = 1; number <= options.readings && writer.writable(); ++number) {
    writer.write(castReading(chart), number);
  }
}

}  // namespace

int runCaster(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err) {
  const ParsedArguments parsed = parseArguments(arguments);
  if (!parsed.ok()) {
    err << kProgramName << ": " << parsed.error << '\n';
    return kExitBadArguments;
  }
  if (parsed.options.help) {
    out << usageText();
    return out.flush() ? kExitSuccess : kExitOutputFailed;
  }
  ReadingWriter writer(parsed.options, out);
  writeReadings(parsed.options, writer);
  if (!writer.finish()) {
    err << kProgramName << ": cannot write the output\n";
    return kExitOutputFailed;
  }
  return kExitSuccess;
}

int runCaster(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  return runCaster(arguments, out, err);
}

}  // namespace qxcast
