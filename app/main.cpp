// SPDX-License-Identifier: MIT
#include <QApplication>
#include <optional>

#include "desktop_platform.h"
#include "display_check.h"
#include "program.h"
#include "program_style.h"
#include "startup_tuning.h"

int main(int argc, char* argv[]) {
  // The program reads no arguments, and Qt is given none either: its own options (-reverse,
  // -stylesheet, -geometry, -qwindowtitle...) would change the windows. The display is chosen by
  // the environment alone.
  char programName[] = "QXFreeGeomancy";
  int qtArgc = 1;
  char* qtArgv[] = {argc > 0 && argv[0] != nullptr ? argv[0] : programName, nullptr};

  // The name the settings store and the single-instance lock are kept under, whatever the
  // executable is called.
  QCoreApplication::setOrganizationName(QString::fromLatin1(programName));
  QCoreApplication::setApplicationName(QString::fromLatin1(programName));

  StartupTuning tuning;
  auto displayCheck = std::make_optional<DisplayCheck>();
  QApplication application(qtArgc, qtArgv);
  displayCheck.reset();
  tuning.applicationMade();
  QApplication::setStyle(new ProgramStyle(QApplication::style()));
  // Ties the windows to the installed menu entry and its icon (the Wayland application id).
  QApplication::setDesktopFileName(QStringLiteral(QXG_APP_ID));
  DesktopPlatform platform;
  Program program(platform.seams());
  program.startProgram();
  tuning.programStarted(program.castingWindow());
  return QApplication::exec();
}
