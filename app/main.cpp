#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "assets.h"
#include "program.h"
#include "random_source.h"
#include "web_pages.h"

namespace {

// Without a display the platform plug-in would abort with several lines of its own.
bool displayMissing() {
#if defined(Q_OS_LINUX)
  const auto unset = [](const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr || *value == '\0';
  };
  return unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM");
#else
  return false;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
  if (displayMissing()) {
    std::fputs(
        "QX Geomancy needs a graphical display, and none is available (DISPLAY is not set).\n",
        stderr);
    return 1;
  }
  QApplication application(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("QX Geomancy"));
  QApplication::setApplicationName(QStringLiteral("QXFreeGeomancy"));
  assets::initAssets();
  QApplication::setWindowIcon(assets::programIcon());

  geomancy::PseudoRandomSource random;
  links::DesktopLinkLauncher launcher;
  Program program(random, launcher);
  program.StartProgram();
  return QApplication::exec();
}
