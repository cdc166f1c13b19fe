#include <QApplication>
#include <cstdio>

#include "after_first_paint.h"
#include "assets.h"
#include "desktop_platform.h"
#include "display_check.h"
#include "font_preload.h"
#include "program.h"
#include "program_style.h"
#include "window_icon.h"

int main(int argc, char* argv[]) {
  if (displayMissing()) {
    std::fputs("QX Geomancy needs a graphical display, and none is available.\n", stderr);
    return 1;
  }
  FontPreload fonts;
  QApplication application(argc, argv);
  fonts.applicationReady();
  // A style sheet given with -stylesheet wraps the style itself; it is left as Qt made it.
  if (application.styleSheet().isEmpty()) {
    QApplication::setStyle(new ProgramStyle(QApplication::style()));
  }
  // Ties the windows to the installed menu entry and its icon (the Wayland application id).
  QApplication::setDesktopFileName(QStringLiteral(QXG_APP_ID));
  DesktopPlatform platform;
  Program program(platform.seams());
  program.StartProgram();
  fonts.wait();
  // Every size of the icon is decoded and sent to the desktop when it is set: not before the
  // casting window's first picture.
  if (QWidget* casting = program.castingWindow()) {
    afterFirstPaint(*casting, [casting] { setProgramIcon(*casting, assets::windowIcon()); });
  }
  return QApplication::exec();
}
