// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include "chart_analysis.h"

// The journal: one JSON line for every reading cast, its --json line with the question, the time
// of the cast and the options that shaped it, so that the reading can be drawn again. Lines are
// only ever added; a damaged line is skipped when the journal is read, never mended.
namespace qxcast {

class OutputFile;

// A reading as the journal keeps it.
struct JournalEntry {
  std::array<geomancy::FigureMask, geomancy::kMotherCount> mothers{};
  geomancy::AnalysisRequest request;
  std::string question;  // empty when none was asked
  std::string castAt;    // UTC, as 2026-12-08T05:30:12Z
};

// The longest line the journal is read with; a longer one is skipped as damaged unread.
inline constexpr std::size_t kMaxJournalLine = 1 << 16;

// UTC, ISO 8601 to the second, as 2026-12-08T05:30:12Z.
[[nodiscard]] std::string utcTimestamp(std::chrono::system_clock::time_point when);

// ,"question":"..." for a question, nothing for none: the key --json adds after its others.
[[nodiscard]] std::string questionKeys(std::string_view question);

// ,"cast_at":"...","options":{"houses":h,"querent":m,"quesited":n|null}: the keys that make a
// --json line a journal line.
[[nodiscard]] std::string journalKeys(std::string_view castAt,
                                      const geomancy::AnalysisRequest& request);

// Puts `keys` into the JSON line that ends at `end` (with "}\n"), before its closing brace;
// returns the line's new end. There must be room for them.
char* addKeys(char* end, std::string_view keys);

// The reading a journal line holds, or why it holds none. The line's figures must agree with
// its Mothers, so that a reading edited by hand is not shown as something it never was.
struct JournalLine {
  JournalEntry entry;
  std::string fault;

  [[nodiscard]] bool ok() const noexcept { return fault.empty(); }
};
[[nodiscard]] JournalLine readJournalLine(std::string_view line);

// A journal opened to add readings to, made when missing.
class JournalFile {
 public:
  explicit JournalFile(const std::string& name);
  JournalFile(const JournalFile&) = delete;
  JournalFile& operator=(const JournalFile&) = delete;
  ~JournalFile();

  [[nodiscard]] std::error_code error() const;
  // One whole line, in one write. A journal whose last line was cut short (a crash, a full disk)
  // gets a line end first, so that the new line stands on its own.
  std::error_code append(std::string_view line);
  // Synced to the disk and closed.
  std::error_code finish();

 private:
  std::unique_ptr<OutputFile> file_;
  bool cutShort_ = false;
};

// Reads the journal line by line: reading(entry) for each reading, oldest first, and
// damaged(line number, why) for each line that holds none. Returns the error that stopped the
// reading, if any.
std::error_code readJournal(const std::string& name,
                            const std::function<void(const JournalEntry&)>& reading,
                            const std::function<void(std::uint64_t, std::string_view)>& damaged);

}  // namespace qxcast
