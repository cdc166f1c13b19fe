// SPDX-License-Identifier: MIT
// Two programs adding to one journal at once: the caster, which keeps the journal open for a run,
// and a program that opens it for each reading, as the chart window does.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "journal.h"

namespace {

constexpr int kEach = 1000;

TEST(SharedJournal, TwoProgramsAddingAtOnceLeaveEveryLineWhole) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                       ("shared-journal-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "journal.jsonl").string();

  const pid_t caster = ::fork();
  ASSERT_GE(caster, 0);
  if (caster == 0) {
    std::freopen("/dev/null", "w", stdout);
    ::execl(QXG_CAST_PATH, QXG_CAST_PATH, "--readings", "1000", "--houses", "--quesited", "7",
            "--journal", path.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  journal::Entry entry;
  entry.mothers = {0b0011, 0b1110, 0b1001, 0b1000};
  entry.question = std::string(900, 'q');  // long lines, so that a torn write would show
  entry.byHand = true;
  for (int i = 0; i < kEach; ++i) ASSERT_FALSE(journal::appendEntry(path, entry));
  int status = 0;
  ASSERT_EQ(::waitpid(caster, &status, 0), caster);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;

  int byHand = 0;
  int cast = 0;
  int damaged = 0;
  const std::error_code error = journal::readEntries(
      path, [&](const journal::Entry& read) { read.byHand ? ++byHand : ++cast; },
      [&](std::uint64_t, std::string_view) { ++damaged; });
  EXPECT_FALSE(error);
  EXPECT_EQ(byHand, kEach);
  EXPECT_EQ(cast, kEach);
  EXPECT_EQ(damaged, 0);
  std::filesystem::remove_all(folder);
}

}  // namespace
