// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

// Files as the system has them, on POSIX and on Windows alike: names in UTF-8, descriptors that
// are closed once, and errors as error codes.
namespace files {

// errno as an error code.
[[nodiscard]] std::error_code lastError();

// A name as the user gave it, in UTF-8, as the system's path: UTF-16 on Windows, where the narrow
// functions would take it in the ANSI code page.
[[nodiscard]] std::filesystem::path pathFromUtf8(const std::string& name);

// One open file. The first error it meets stays its error.
class FileHandle {
 public:
  enum class Mode {
    Read,
    Create,          // a new file to write; an existing one is refused
    Append,          // an existing file, written after what it holds
    AppendOrCreate,  // as Append, made when missing
  };

  FileHandle(const std::filesystem::path& path, Mode mode);
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle();

  [[nodiscard]] std::error_code error() const { return error_; }

  // Up to `room` bytes; 0 at the end of the file and after an error.
  std::size_t read(char* into, std::size_t room);
  // Whether the file ends with something other than a line end; moves the file's position.
  [[nodiscard]] bool endsInsideALine();

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

}  // namespace files
