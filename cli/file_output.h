// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace qxcast {

// errno as an error code.
[[nodiscard]] std::error_code lastError();

// A name as the user gave it, in UTF-8, as the system's path: UTF-16 on Windows, where the narrow
// functions would take it in the ANSI code page.
[[nodiscard]] std::filesystem::path pathFromUtf8(const std::string& name);

// A file descriptor opened for writing, closed once. The first error it meets stays its error.
class OutputFile {
 public:
  enum class Mode {
    Create,          // a new file; an existing one is refused
    Append,          // an existing file, written after what it holds
    AppendOrCreate,  // as Append, made when missing
  };

  OutputFile(const std::filesystem::path& path, Mode mode);
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile();

  [[nodiscard]] std::error_code error() const { return error_; }
  // The whole text, in one call unless the system takes less.
  std::error_code write(std::string_view text);
  // To the disk, not only to the system's cache.
  std::error_code sync();
  // A device or a network file system may report a failed write only here.
  std::error_code close();

 private:
  int descriptor_ = -1;
  std::error_code error_;
};

// Writes `text` to the file a user named, as they expect of any program:
// - a new name or a regular file: written beside it and renamed into place once whole, so that a
//   failure never leaves half a file under the name; an existing file keeps its permission bits;
// - a symbolic link: followed, its target written by these same rules, the link left a link;
// - anything else (a terminal, /dev/stdout, a device, a named pipe): written straight through,
//   never replaced.
// A folder, or a path under something that is not a folder, is refused. The name is UTF-8.
// Returns the reason it could not be written, or no error.
[[nodiscard]] std::error_code writeFileByName(const std::string& path, std::string_view text);

}  // namespace qxcast
