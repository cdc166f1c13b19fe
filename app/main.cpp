#include <QApplication>
#include <cstdio>

#include "assets.h"
#include "display_check.h"
#include "program.h"
#include "random_source.h"
#include "web_pages.h"

int main(int argc, char* argv[]) {
  if (displayMissing()) {
    std::fputs("QX Geomancy needs a graphical display, and none is available.\n", stderr);
    return 1;
  }
  QApplication application(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("QX Geomancy"));
  QApplication::setApplicationName(QStringLiteral("QXFreeGeomancy"));
  assets::initAssets();
  QApplication::setWindowIcon(assets::programIcon());

  geomancy::PseudoRandomSource random;
  links::DesktopLinkLauncher launcher;
  Program program(Seams{random, launcher});
  program.StartProgram();
  return QApplication::exec();
}
