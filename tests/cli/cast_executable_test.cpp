// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "cli_test_support.h"

namespace {

struct ProcessRun {
  int status = -1;
  std::string out;
};

// Runs the built qxgeomancy-cast with a shell command line of arguments.
ProcessRun runExecutable(const std::string& arguments) {
  const std::string command = std::string("'") + QXG_CAST_PATH + "' " + arguments;
  ProcessRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char block[1 << 14];
  for (std::size_t n; (n = std::fread(block, 1, sizeof block, pipe)) > 0;) run.out.append(block, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

TEST(CastExecutable, PrintsTheSeededReadingsOfTheLibrary) {
  const ProcessRun run = runExecutable("--json --readings 1000 --seed 7");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(splitLines(run.out).size(), 1000u);
  EXPECT_EQ(run.out, runCast({"--json", "--readings", "1000", "--seed", "7"}).out);
}

TEST(CastExecutable, BadArgumentExitsWithTwoAndPrintsNothingOnStandardOutput) {
  const ProcessRun silent = runExecutable("--readings 0 2>/dev/null");
  EXPECT_EQ(silent.status, 2);
  EXPECT_EQ(silent.out, "");

  const ProcessRun withErrors = runExecutable("--readings 0 2>&1");
  EXPECT_EQ(withErrors.out,
            "qxgeomancy-cast: --readings needs a whole number from 1 to 4294967295, not \"0\"\n");
}

TEST(CastExecutable, OutputThatCannotBeWrittenExitsWithOneAndSaysSo) {
  // Standard error into the pipe, standard output into a device that refuses every write.
  for (const std::string arguments : {"--help", "--json --readings 100000 --seed 1"}) {
    const ProcessRun run = runExecutable(arguments + " 2>&1 >/dev/full");
    EXPECT_EQ(run.status, 1) << arguments;
    EXPECT_EQ(run.out, "qxgeomancy-cast: cannot write the output\n") << arguments;
  }
}

// Stopped by a signal mid-run, the caster ends after the reading it is writing: whole lines only,
// and the status a shell gives for that signal.
TEST(CastExecutable, SignalEndsTheRunAfterAWholeReading) {
  const std::string journal = "/tmp/qxg-signal-" + std::to_string(getpid()) + ".jsonl";
  for (const auto& [signal, status] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
    std::remove(journal.c_str());
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    const pid_t child = fork();
    if (child == 0) {
      dup2(ends[1], STDOUT_FILENO);
      execl(QXG_CAST_PATH, QXG_CAST_PATH, "--json", "--readings", "100000000", "--journal",
            journal.c_str(), nullptr);
      _exit(127);
    }
    close(ends[1]);
    std::string out;
    char block[1 << 14];
    for (ssize_t n; (n = read(ends[0], block, sizeof block)) > 0;) {
      if (out.size() < (1u << 20) && out.size() + n >= (1u << 20)) kill(child, signal);
      out.append(block, static_cast<std::size_t>(n));
    }
    close(ends[0]);
    int waited = 0;
    ASSERT_EQ(waitpid(child, &waited, 0), child);
    EXPECT_TRUE(WIFEXITED(waited) && WEXITSTATUS(waited) == status) << "signal " << signal;
    EXPECT_TRUE(out.ends_with('\n'));
    for (const std::string& line : splitLines(out)) EXPECT_NO_THROW(JsonReader::parse(line));
    // The journal holds every reading shown, each line whole.
    const CastRun list = runCast({"--journal", journal, "--list"});
    EXPECT_EQ(list.err, "");
    EXPECT_EQ(splitLines(list.out).size(), splitLines(out).size());
  }
  std::remove(journal.c_str());
}

}  // namespace
