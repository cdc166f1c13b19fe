#include <QApplication>
#include <cstdio>

#include "assets.h"
#include "desktop_platform.h"
#include "display_check.h"
#include "program.h"

int main(int argc, char* argv[]) {
  if (displayMissing()) {
    std::fputs("QX Geomancy needs a graphical display, and none is available.\n", stderr);
    return 1;
  }
  QApplication application(argc, argv);
  assets::initAssets();
  QApplication::setWindowIcon(assets::programIcon());

  DesktopPlatform platform;
  Program program(platform.seams());
  program.StartProgram();
  return QApplication::exec();
}
