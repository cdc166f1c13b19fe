// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QSettings>

#include <chrono>
#include <optional>

#include "chart_dialogs.h"
#include "chart_window.h"
#include "display_check.h"
#include "random_source.h"
#include "startup_tuning.h"

int main(int argc, char** argv) {
  // The program's own settings and data folder, never the desktop program's.
  QCoreApplication::setOrganizationName(QStringLiteral("QXGeomancy"));
  QCoreApplication::setApplicationName(QStringLiteral("QX Geomancy Chart"));
  QCoreApplication::setApplicationVersion(QStringLiteral(QXG_VERSION));

  StartupTuning tuning;
  auto displayCheck = std::make_optional<DisplayCheck>("QX Geomancy Chart");
  QApplication application(argc, argv);
  displayCheck.reset();
  tuning.applicationMade();
  QApplication::setDesktopFileName(QStringLiteral(QXG_CHART_APP_ID));
  QSettings settings;
  geomancy::PseudoRandomSource random(geomancy::clockSeed());
  QtChartDialogs dialogs;
  ChartWindow window({random,
                      [] { return formats::CastTime::at(std::chrono::system_clock::now()); },
                      dialogs, settings});
  // Ended when the window closes, not when the last window has: a popup opened by an event queued
  // behind the close (a house list, say) would otherwise call the automatic end off for good. By
  // exit(), not quit(), which Qt 6 turns into a request to close every window, and a window (a
  // dialog still open) may refuse it.
  QObject::connect(
      &window, &ChartWindow::closed, &application, [] { QCoreApplication::exit(0); },
      Qt::QueuedConnection);
  window.show();
  tuning.programStarted(&window);
  return QApplication::exec();
}
