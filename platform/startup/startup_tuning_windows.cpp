// SPDX-License-Identifier: MIT
#include "startup_tuning.h"

// Qt gives every window the executable's own icon (the resource IDI_ICON1), in the sizes Windows
// asks for, without decoding a picture at the start.
struct StartupTuning::Platform {};

StartupTuning::StartupTuning() = default;

StartupTuning::~StartupTuning() = default;

void StartupTuning::applicationMade() {}

void StartupTuning::programStarted(QWidget*) {}
