// SPDX-License-Identifier: MIT
#include "file_by_name.h"

#include <csignal>
#include <filesystem>

#include "file_handle.h"

namespace files {

namespace fs = std::filesystem;

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
  FileHandle file(path, FileHandle::Mode::Append);
  if (const std::error_code error = file.write(text)) return error;
  return file.close();
}

std::error_code writeBesideAndRename(const fs::path& path, std::string_view text,
                                     const fs::file_status& existing) {
  fs::path part = path;
  part += ".part";
  constexpr int kMostAttempts = 1000;
  for (int attempt = 1;; ++attempt) {
    FileHandle file(part, FileHandle::Mode::Create);
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

bool isFolder(const std::string& name) {
  std::error_code ignored;
  return fs::is_directory(pathFromUtf8(name), ignored);
}

}  // namespace files
