// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

// The program's arguments as the application is to be given them: under Wine, the options that
// keep Wine's own faults out of the program's way come first, so that the user's own options,
// after them, still win. Elsewhere they are the arguments as given.
class PlatformArguments {
 public:
  PlatformArguments(int argc, char** argv);
  PlatformArguments(const PlatformArguments&) = delete;
  PlatformArguments& operator=(const PlatformArguments&) = delete;

  // For QApplication, which keeps both for its whole life.
  int& count() { return count_; }
  char** values() { return values_.data(); }

 private:
  std::vector<char*> values_;
  int count_ = 0;
};
