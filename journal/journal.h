// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include "cast_time.h"
#include "chart_analysis.h"
#include "reading_json.h"
#include "text_buffer.h"

// The journal: one JSON line for every reading cast, its JSON line with the question, the time of
// the cast and the options that shaped it, so that the reading can be drawn again. Lines are only
// ever added, each in one write, so that two programs may add to one journal at once; a damaged
// line is skipped when the journal is read, never mended.
namespace files {
class FileHandle;
}

namespace journal {

// A reading as the journal keeps it.
struct Entry {
  std::array<geomancy::FigureMask, geomancy::kMotherCount> mothers{};
  geomancy::AnalysisRequest request;
  std::string question;  // empty when none was asked
  formats::CastTime castAt;
  bool byHand = false;  // cast by the user and entered by hand
};

// The reading an entry keeps, analysed as it was when cast.
[[nodiscard]] geomancy::ChartAnalysis analysisOf(const Entry& entry);

// The longest line the journal is read with; a longer one is skipped as damaged unread.
inline constexpr std::size_t kMaxLine = 1 << 16;

// The reading a journal line holds, or why it holds none. The line's figures must agree with its
// Mothers, so that a reading edited by hand is not shown as something it never was.
struct LineRead {
  Entry entry;
  std::string fault;

  [[nodiscard]] bool ok() const noexcept { return fault.empty(); }
};
[[nodiscard]] LineRead readLine(std::string_view line);

// A journal opened to add readings to, made when missing.
class Appender {
 public:
  explicit Appender(const std::string& name);
  Appender(const Appender&) = delete;
  Appender& operator=(const Appender&) = delete;
  ~Appender();

  [[nodiscard]] std::error_code error() const;
  // The reading as one whole line, in one write. A journal whose last line was cut short (a crash,
  // a full disk) gets a line end first, so that the new line stands on its own.
  std::error_code append(const geomancy::ChartAnalysis& analysis, std::string_view question,
                         const formats::JournalKeys& keys);
  // Synced to the disk and closed.
  std::error_code finish();

 private:
  std::unique_ptr<files::FileHandle> file_;
  formats::TextBuffer line_;
  bool cutShort_ = false;
};

// The entry as one line added to the journal `name` (made when missing), synced and closed: for a
// program that adds a reading now and then, and may share the journal with others.
std::error_code appendEntry(const std::string& name, const Entry& entry);

// Reads the journal line by line: reading(entry) for each reading, oldest first, and
// damaged(line number, why) for each line that holds none; an empty line is passed over. Returns the error that stopped the
// reading, if any.
std::error_code readEntries(const std::string& name,
                            const std::function<void(const Entry&)>& reading,
                            const std::function<void(std::uint64_t, std::string_view)>& damaged);

}  // namespace journal
