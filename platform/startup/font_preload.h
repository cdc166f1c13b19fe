// SPDX-License-Identifier: MIT
#pragma once

#include <future>
#include <thread>

// Loads the desktop's fonts on a thread of its own, in two stages. The system's font
// configuration (fontconfig, where Qt uses it) needs no application and is read while the
// application connects to the display; Qt's font database is filled from it once the
// application exists, while the lock, the reminder and the casting window are made. The first
// window cannot be laid out before the fonts are known, and reading them takes about as long as
// everything else the start does first. Both stores are shared between threads and guarded:
// whoever asks first waits for them. Where Qt does not use fontconfig, it does nothing, and the
// first window loads the fonts.
class FontPreload {
 public:
  // Starts reading the font configuration. Make it before the application.
  FontPreload();
  ~FontPreload();
  FontPreload(const FontPreload&) = delete;
  FontPreload& operator=(const FontPreload&) = delete;

  // The application exists: the font database can be filled.
  void applicationReady();
  // Returns once the fonts are loaded.
  void wait();

 private:
  std::promise<bool> applicationReady_;
  std::thread thread_;
};
