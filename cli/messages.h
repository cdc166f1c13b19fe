// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <system_error>

// Everything the caster says on its error stream, each a whole line that starts with its name,
// and the exit status that goes with it.
namespace qxcast {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitOutputFailed = 1;
inline constexpr int kExitBadArguments = 2;
// Stopped by a signal (see interruption.h): 128 plus its number, as a shell reports it.
inline constexpr int kExitSignalBase = 128;

class Messages {
 public:
  explicit Messages(std::ostream& err) : err_(err) {}

  int badArguments(std::string_view why);
  int outputFailed();
  int pictureFailed(const std::string& path, std::error_code error);
  // `doing` is "open", "add to" or "read".
  int journalFailed(std::string_view doing, const std::string& path, std::error_code error);
  // A folder is a slip in the arguments, not a journal that failed.
  int journalIsAFolder(const std::string& path);
  int noSuchReading(std::uint32_t number, std::uint64_t count);
  void lineSkipped(std::uint64_t line, std::string_view why);

 private:
  std::ostream& line();

  std::ostream& err_;
};

}  // namespace qxcast
