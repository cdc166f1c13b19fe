// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QSettings>

#include <chrono>

#include "assets.h"
#include "chart_dialogs.h"
#include "chart_window.h"
#include "random_source.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // The program's own settings and data folder, never the desktop program's.
  QCoreApplication::setOrganizationName(QStringLiteral("QXGeomancy"));
  QCoreApplication::setApplicationName(QStringLiteral("QX Geomancy Chart"));
  QCoreApplication::setApplicationVersion(QStringLiteral(QXG_VERSION));
  QApplication::setWindowIcon(assets::windowIcon());
  QSettings settings;
  geomancy::PseudoRandomSource random(geomancy::clockSeed());
  QtChartDialogs dialogs;
  ChartWindow window({random,
                      [] { return formats::CastTime::at(std::chrono::system_clock::now()); },
                      dialogs, settings});
  window.show();
  return QApplication::exec();
}
