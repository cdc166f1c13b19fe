// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <string>

#include "cli_test_support.h"

namespace {

namespace fs = std::filesystem;

std::string contentOf(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// Each kind of thing a picture's path may name: what is made there before the run, the status the
// caster ends with, what the path must still be afterwards, and where the whole picture must be.
struct PathCase {
  const char* kind;
  std::function<fs::path(const fs::path& folder)> prepare;
  int status;
  fs::file_type typeAfter;
  const char* pictureIn;  // relative to the folder; "" for none
};

TEST(PictureFile, OnlyARegularFileIsReplacedAndEveryFailureIsOneLine) {
  const fs::path folder = fs::temp_directory_path() / ("qxg-picture-" + std::to_string(getpid()));
  std::future<std::string> reader;
  const PathCase cases[] = {
      {"new path", [](const fs::path& f) { return f / "new.svg"; }, 0, fs::file_type::regular,
       "new.svg"},
      {"file of mode 0600",
       [](const fs::path& f) {
         std::ofstream(f / "old.svg") << "old";
         fs::permissions(f / "old.svg", fs::perms::owner_read | fs::perms::owner_write);
         return f / "old.svg";
       },
       0, fs::file_type::regular, "old.svg"},
      {"symbolic link",
       [](const fs::path& f) {
         fs::create_directory(f / "sub");
         std::ofstream(f / "sub" / "target.svg") << "old";
         fs::create_symlink("sub/target.svg", f / "link.svg");
         return f / "link.svg";
       },
       0, fs::file_type::symlink, "sub/target.svg"},
      {"named pipe with a reader",
       [&reader](const fs::path& f) {
         EXPECT_EQ(mkfifo((f / "pipe.svg").c_str(), 0600), 0);
         reader = std::async(std::launch::async, [f] { return contentOf(f / "pipe.svg"); });
         return f / "pipe.svg";
       },
       0, fs::file_type::fifo, ""},
      {"full device", [](const fs::path&) { return fs::path("/dev/full"); }, 1,
       fs::file_type::character, ""},
      {"folder", [](const fs::path& f) { return f; }, 1, fs::file_type::directory, ""},
  };
  for (const PathCase& pathCase : cases) {
    SCOPED_TRACE(pathCase.kind);
    fs::remove_all(folder);
    fs::create_directory(folder);
    const fs::path path = pathCase.prepare(folder);
    const CastRun run = runCast({"--seed", "1", "--houses", "--svg", path.string()});
    EXPECT_EQ(run.status, pathCase.status);
    EXPECT_EQ(fs::symlink_status(path).type(), pathCase.typeAfter);
    const std::string picture = std::string(pathCase.pictureIn).empty()
                                    ? (reader.valid() ? reader.get() : "")
                                    : contentOf(folder / pathCase.pictureIn);
    EXPECT_EQ(picture.ends_with("</svg>\n"), pathCase.status == 0);
    if (path.filename() == "old.svg") {
      EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms(0600));
    }
    if (pathCase.status != 0) {
      EXPECT_EQ(run.err.rfind(
                    "qxgeomancy-cast: cannot write the picture to \"" + path.string() + "\": ", 0),
                0u);
      EXPECT_EQ(splitLines(run.err).size(), 1u) << run.err;
      EXPECT_TRUE(fs::is_empty(folder)) << "nothing left beside it";
    }
  }
  fs::remove_all(folder);
}

}  // namespace
