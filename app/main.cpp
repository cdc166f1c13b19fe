// SPDX-License-Identifier: MIT
#include <QApplication>
#include <optional>

#include "after_first_paint.h"
#include "assets.h"
#include "desktop_platform.h"
#include "display_check.h"
#include "font_preload.h"
#include "no_shared_memory_drawing.h"
#include "program.h"
#include "program_style.h"
#include "window_icon.h"

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

  NoSharedMemoryDrawing drawing;
  FontPreload fonts;
  auto displayCheck = std::make_optional<DisplayCheck>();
  QApplication application(qtArgc, qtArgv);
  displayCheck.reset();
  fonts.applicationReady();
  QApplication::setStyle(new ProgramStyle(QApplication::style()));
  // Ties the windows to the installed menu entry and its icon (the Wayland application id).
  QApplication::setDesktopFileName(QStringLiteral(QXG_APP_ID));
  DesktopPlatform platform;
  Program program(platform.seams());
  program.startProgram();
  fonts.wait();
  drawing.restoreEnvironment();
  // Every size of the icon is decoded and sent to the desktop when it is set: not before the
  // casting window's first picture.
  if (QWidget* casting = program.castingWindow()) {
    afterFirstPaint(*casting, [casting] { setProgramIcon(*casting, assets::windowIcon()); });
  }
  return QApplication::exec();
}
