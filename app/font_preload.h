#pragma once

#include <thread>

// Loads the desktop's font database on a thread of its own. The first window cannot be laid out
// before the fonts are known, and reading them takes about as long as everything else the start
// does first (the lock, the reminder, building the window), so the two run side by side. Qt's
// font database is shared between threads and guarded: whoever asks first waits for it.
class FontPreload {
 public:
  FontPreload();
  ~FontPreload();
  FontPreload(const FontPreload&) = delete;
  FontPreload& operator=(const FontPreload&) = delete;

  // Returns once the fonts are loaded.
  void wait();

 private:
  std::thread thread_;
};
