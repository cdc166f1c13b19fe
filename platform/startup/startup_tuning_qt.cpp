// SPDX-License-Identifier: MIT
#include <QApplication>

#include "after_first_paint.h"
#include "assets.h"
#include "startup_tuning.h"

struct StartupTuning::Platform {};

StartupTuning::StartupTuning() = default;

StartupTuning::~StartupTuning() = default;

void StartupTuning::applicationMade() {}

void StartupTuning::programStarted(QWidget* shownWindow) {
  if (shownWindow) {
    afterFirstPaint(*shownWindow, [] { QApplication::setWindowIcon(assets::windowIcon()); });
  }
}
