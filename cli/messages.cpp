// SPDX-License-Identifier: MIT
#include "messages.h"

#include <ostream>

#include "user_text.h"

namespace qxcast {

using formats::quotedForMessage;

std::ostream& Messages::line() {
  return err_ << "qxgeomancy-cast: ";
}

int Messages::badArguments(std::string_view why) {
  line() << why << '\n';
  return kExitBadArguments;
}

int Messages::outputFailed() {
  line() << "cannot write the output\n";
  return kExitOutputFailed;
}

int Messages::pictureFailed(const std::string& path, std::error_code error) {
  line() << "cannot write the picture to " << quotedForMessage(path) << ": " << error.message()
         << '\n';
  return kExitOutputFailed;
}

int Messages::journalFailed(std::string_view doing, const std::string& path,
                            std::error_code error) {
  line() << "cannot " << doing << " the journal " << quotedForMessage(path) << ": "
         << error.message() << '\n';
  return kExitOutputFailed;
}

int Messages::journalIsAFolder(const std::string& path) {
  line() << "--journal names a folder, not a file: " << quotedForMessage(path) << '\n';
  return kExitBadArguments;
}

int Messages::noSuchReading(std::uint32_t number, std::uint64_t count) {
  line() << "--show " << number << ": the journal holds " << count
         << (count == 1 ? " reading\n" : " readings\n");
  return kExitBadArguments;
}

void Messages::lineSkipped(std::uint64_t line, std::string_view why) {
  this->line() << "journal line " << line << " skipped: " << why << '\n';
}

}  // namespace qxcast
