// SPDX-License-Identifier: MIT
#pragma once

#include <QCloseEvent>

// Every window that the shell keeps reports its closing, by whatever means, with its `unloaded`
// signal, and never refuses to close.
template <typename Window>
void reportClosing(Window& window, QCloseEvent& event) {
  emit window.unloaded();
  event.accept();
}
