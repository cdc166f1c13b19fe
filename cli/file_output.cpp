// SPDX-License-Identifier: MIT
#include "file_output.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>

#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

namespace qxcast {

namespace fs = std::filesystem;

std::error_code lastError() {
  return {errno, std::generic_category()};
}

namespace {

// A pipe whose reader has gone reports EPIPE, as any other failed write, instead of ending the
// program by SIGPIPE.
class BrokenPipeAsError {
#ifndef _WIN32
 public:
  BrokenPipeAsError() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, &previous_);
  }
  BrokenPipeAsError(const BrokenPipeAsError&) = delete;
  BrokenPipeAsError& operator=(const BrokenPipeAsError&) = delete;
  ~BrokenPipeAsError() {
    sigaction(SIGPIPE, &previous_, nullptr);
  }

 private:
  struct sigaction previous_ {};
#endif
};

// Where a name's chain of symbolic links ends. A link inside /proc (/dev/stdout, /dev/fd/3) stands
// for a file this process already has open, so the chain stops there: that file is written
// through and after what it holds, not replaced.
struct LinkEnd {
  fs::path path;
  bool openFile = false;
};

bool isOpenFileLink(const fs::path& link) {
  std::error_code error;
  const fs::path folder =
      fs::canonical(link.parent_path().empty() ? "." : link.parent_path(), error);
  return !error && folder.string().starts_with("/proc/");
}

LinkEnd followLinks(fs::path path, std::error_code& error) {
  constexpr int kMostLinks = 40;  // as the kernel allows before ELOOP
  for (int link = 0; link <= kMostLinks; ++link) {
    const fs::file_status status = fs::symlink_status(path, error);
    if (status.type() == fs::file_type::not_found) error.clear();
    if (error || status.type() != fs::file_type::symlink) return {path};
    if (isOpenFileLink(path)) return {path, true};
    const fs::path target = fs::read_symlink(path, error);
    if (error) return {path};
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
  return {path};
}

std::error_code writeThrough(const fs::path& path, std::string_view text) {
  [[maybe_unused]] const BrokenPipeAsError brokenPipe;
  OutputFile file(path, OutputFile::Mode::Append);
  if (const std::error_code error = file.write(text)) return error;
  return file.close();
}

std::error_code writeBesideAndRename(const fs::path& path, std::string_view text,
                                     const fs::file_status& existing) {
  fs::path part = path;
  part += ".part";
  constexpr int kMostAttempts = 1000;
  for (int attempt = 1;; ++attempt) {
    OutputFile file(part, OutputFile::Mode::Create);
    if (file.error() == std::errc::file_exists && attempt < kMostAttempts) {
      part = path;
      part += ".part" + std::to_string(attempt);
      continue;
    }
    if (file.error()) return file.error();
    std::error_code error = file.write(text);
    if (!error) error = file.close();
    if (!error && existing.type() == fs::file_type::regular) {
      fs::permissions(part, existing.permissions(), error);
    }
    if (!error) fs::rename(part, path, error);
    if (error) {
      std::error_code ignored;
      fs::remove(part, ignored);
    }
    return error;
  }
}

}  // namespace

fs::path pathFromUtf8(const std::string& name) {
#ifdef _WIN32
  // Windows names are UTF-16: the bytes are converted, not taken in the ANSI code page.
  return fs::path(std::u8string(name.begin(), name.end()));
#else
  return fs::path(name);
#endif
}

OutputFile::OutputFile(const fs::path& path, Mode mode) {
  const bool create = mode != Mode::Append;
  const bool append = mode != Mode::Create;
#ifdef _WIN32
  const int flags =
      _O_WRONLY | _O_BINARY | (create ? _O_CREAT : 0) | (append ? _O_APPEND : _O_EXCL);
  descriptor_ = _wopen(path.c_str(), flags, _S_IREAD | _S_IWRITE);
#else
  const int flags =
      O_WRONLY | O_CLOEXEC | O_NOCTTY | (create ? O_CREAT : 0) | (append ? O_APPEND : O_EXCL);
  descriptor_ = ::open(path.c_str(), flags, 0666);
#endif
  if (descriptor_ < 0) error_ = lastError();
}

OutputFile::~OutputFile() {
  (void)close();
}

std::error_code OutputFile::write(std::string_view text) {
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

std::error_code OutputFile::sync() {
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

std::error_code OutputFile::close() {
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

std::error_code writeFileByName(const std::string& name, std::string_view text) {
  if (name.empty()) return std::make_error_code(std::errc::no_such_file_or_directory);
  std::error_code error;
  const LinkEnd end = followLinks(pathFromUtf8(name), error);
  if (error) return error;
  const fs::file_status status = fs::status(end.path, error);
  switch (status.type()) {
    case fs::file_type::directory:
      return std::make_error_code(std::errc::is_a_directory);
    case fs::file_type::not_found:
    case fs::file_type::regular:
      if (!end.openFile) return writeBesideAndRename(end.path, text, status);
      return writeThrough(end.path, text);
    default:
      return error ? error : writeThrough(end.path, text);
  }
}

}  // namespace qxcast
