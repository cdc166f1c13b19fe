// SPDX-License-Identifier: MIT
#include "after_first_paint.h"
#include "assets.h"
#include "font_preload.h"
#include "no_shared_memory_drawing.h"
#include "startup_tuning.h"
#include "window_icon.h"

struct StartupTuning::Platform {
  NoSharedMemoryDrawing drawing;
  FontPreload fonts;
};

StartupTuning::StartupTuning() : platform_(std::make_unique<Platform>()) {}

StartupTuning::~StartupTuning() = default;

void StartupTuning::applicationMade() {
  platform_->fonts.applicationReady();
}

void StartupTuning::programStarted(QWidget* shownWindow) {
  platform_->fonts.wait();
  platform_->drawing.restoreEnvironment();
  // Every size of the icon is decoded and sent to the desktop when it is set: not before the
  // first window's first picture.
  if (shownWindow) {
    afterFirstPaint(*shownWindow,
                    [shownWindow] { setProgramIcon(*shownWindow, assets::windowIcon()); });
  }
}
