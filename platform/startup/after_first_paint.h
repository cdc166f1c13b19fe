// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QWidget;

// Runs the action once, in the event loop's next turn after the window has first been painted:
// for work that the first picture does not need.
void afterFirstPaint(QWidget& window, std::function<void()> action);
