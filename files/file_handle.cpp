// SPDX-License-Identifier: MIT
#include "file_handle.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>

#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

namespace files {

namespace fs = std::filesystem;

std::error_code lastError() {
  return {errno, std::generic_category()};
}

fs::path pathFromUtf8(const std::string& name) {
#ifdef _WIN32
  // Windows names are UTF-16: the bytes are converted, not taken in the ANSI code page.
  return fs::path(std::u8string(name.begin(), name.end()));
#else
  return fs::path(name);
#endif
}

FileHandle::FileHandle(const fs::path& path, Mode mode) {
  const bool create = mode == Mode::Create || mode == Mode::AppendOrCreate;
  const bool append = mode == Mode::Append || mode == Mode::AppendOrCreate;
#ifdef _WIN32
  const int flags = mode == Mode::Read
                        ? _O_RDONLY | _O_BINARY
                        : _O_WRONLY | _O_BINARY | (create ? _O_CREAT : 0) |
                              (append ? _O_APPEND : _O_EXCL);
  descriptor_ = ::_wopen(path.c_str(), flags, _S_IREAD | _S_IWRITE);
#else
  const int flags = mode == Mode::Read
                        ? O_RDONLY | O_CLOEXEC | O_NOCTTY
                        : O_WRONLY | O_CLOEXEC | O_NOCTTY | (create ? O_CREAT : 0) |
                              (append ? O_APPEND : O_EXCL);
  descriptor_ = ::open(path.c_str(), flags, 0666);
#endif
  if (descriptor_ < 0) error_ = lastError();
}

FileHandle::~FileHandle() {
  (void)close();
}

std::size_t FileHandle::read(char* into, std::size_t room) {
  while (!error_) {
#ifdef _WIN32
    const auto got = ::_read(descriptor_, into, static_cast<unsigned>(std::min<std::size_t>(room, 1u << 30)));
#else
    const auto got = ::read(descriptor_, into, room);
#endif
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) error_ = lastError();
  }
  return 0;
}

bool FileHandle::endsInsideALine() {
#ifdef _WIN32
  const bool placed = ::_lseeki64(descriptor_, -1, SEEK_END) >= 0;
#else
  const bool placed = ::lseek(descriptor_, -1, SEEK_END) >= 0;
#endif
  char last = '\n';
  return placed && read(&last, 1) == 1 && last != '\n';
}

std::error_code FileHandle::write(std::string_view text) {
  while (!error_ && !text.empty()) {
#ifdef _WIN32
    const int chunk = static_cast<int>(std::min<std::size_t>(text.size(), 1u << 30));
    const auto written = ::_write(descriptor_, text.data(), static_cast<unsigned>(chunk));
#else
    const auto written = ::write(descriptor_, text.data(), text.size());
#endif
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) error_ = lastError();
    if (written > 0) text.remove_prefix(static_cast<std::size_t>(written));
  }
  return error_;
}

std::error_code FileHandle::sync() {
  if (error_ || descriptor_ < 0) return error_;
#ifdef _WIN32
  const int synced = ::_commit(descriptor_);
#else
  const int synced = ::fsync(descriptor_);
#endif
  // A pipe, a terminal or a device has nothing to sync, and says so with EINVAL (EBADF on
  // Windows).
  if (synced != 0 && errno != EINVAL && errno != EBADF) error_ = lastError();
  return error_;
}

std::error_code FileHandle::close() {
  if (descriptor_ < 0) return error_;
#ifdef _WIN32
  const int closed = ::_close(descriptor_);
#else
  const int closed = ::close(descriptor_);
#endif
  descriptor_ = -1;
  if (closed != 0 && !error_) error_ = lastError();
  return error_;
}

}  // namespace files
