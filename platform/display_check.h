// SPDX-License-Identifier: MIT
#pragma once

// Qt's platform plug-in ends the process with abort() and several lines about reinstalling the
// application when it finds no display it can use: no display named, no server at DISPLAY, a
// dead Wayland socket, a QT_QPA_PLATFORM that names no plug-in. While a DisplayCheck lives, such
// an end prints the program's own line instead and exits with status 1, without a core dump.
// Qt's other messages meanwhile are held back and passed on when the check ends, so that a start
// that finds its display logs what it always did.
//
// Make it just before the application and end it just after:
//   auto check = std::make_optional<DisplayCheck>();
//   QApplication application(argc, argv);
//   check.reset();
class DisplayCheck {
 public:
  // `title` names the program in its line.
  explicit DisplayCheck(const char* title = "QX Geomancy");
  ~DisplayCheck();
  DisplayCheck(const DisplayCheck&) = delete;
  DisplayCheck& operator=(const DisplayCheck&) = delete;
};
