// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QSettings>
#include <chrono>
#include <optional>

#include "chart_dialogs.h"
#include "chart_window.h"
#include "display_check.h"
#include "platform_arguments.h"
#include "process_end.h"
#include "random_source.h"
#include "startup_tuning.h"

int main(int argc, char** argv) {
  // The program's own settings and data folder, never the desktop program's.
  QCoreApplication::setOrganizationName(QStringLiteral("QXGeomancy"));
  QCoreApplication::setApplicationName(QStringLiteral("QX Geomancy Chart"));
  QCoreApplication::setApplicationVersion(QStringLiteral(QXG_VERSION));

  StartupTuning tuning;
  auto displayCheck = std::make_optional<DisplayCheck>("QX Geomancy Chart");
  PlatformArguments arguments(argc, argv);
  QApplication application(arguments.count(), arguments.values());
  displayCheck.reset();
  tuning.applicationMade();
  QApplication::setDesktopFileName(QStringLiteral(QXG_CHART_APP_ID));
  QSettings settings;
  geomancy::PseudoRandomSource random(geomancy::clockSeed());
  QtChartDialogs dialogs;
  ChartWindow window({random,
                      [] { return formats::CastTime::at(std::chrono::system_clock::now()); },
                      dialogs, settings});
  // Ended as the window closes, at once, before it is hidden, as the desktop program ends: its
  // settings are synced and every reading is in the journal by then. Not when the last window has
  // closed (a popup opened by an event queued behind the close, a house list, say, would call that
  // off for good), nor by quit(), which Qt 6 turns into a request to close every window that a
  // dialog still open may refuse. Under Wine without a window manager, hiding a window waits two
  // seconds for the window manager's answer, and a whole tear-down takes as long.
  ImmediateProcessEnd end;
  QObject::connect(&window, &ChartWindow::closed, &application, [&end] { end.endProcess(0); });
  window.show();
  tuning.programStarted(&window);
  return QApplication::exec();
}
