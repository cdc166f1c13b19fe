// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

class QWidget;

// What the start does besides bringing the program up, for the platform it is built for, at three
// moments of main(). Each platform's tuning is a file of its own beside this one:
// - Linux (startup_tuning_linux.cpp): X11 windows drawn without shared memory, the fonts read on
//   a thread of their own while the application connects, and the icon handed to X11 a size at a
//   time after the first window's first picture;
// - Windows (startup_tuning_windows.cpp): nothing; the windows take the icon of the executable;
// - elsewhere (startup_tuning_qt.cpp): the icon set through Qt after the first picture.
class StartupTuning {
 public:
  // Make it before the application, while no other thread runs.
  StartupTuning();
  ~StartupTuning();
  StartupTuning(const StartupTuning&) = delete;
  StartupTuning& operator=(const StartupTuning&) = delete;

  // The application exists.
  void applicationMade();
  // The program has shown its first window, if any, and no other thread of the program runs.
  void programStarted(QWidget* shownWindow);

 private:
  struct Platform;
  std::unique_ptr<Platform> platform_;
};
