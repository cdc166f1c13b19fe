#include "font_preload.h"

#include <QFontDatabase>
#include <QStringList>

#if defined(QXG_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace {

void loadFontConfiguration() {
#if defined(QXG_HAVE_FONTCONFIG)
  (void)FcInit();
#endif
}

// Like every new thread under glibc, the preload allocates from a memory arena of its own.
// Sharing the main thread's arena would save a little memory (about 0.2 MiB), but the two
// threads then queue for its lock while the application connects to the display, and the
// casting window appeared about 1.5 ms later.
std::thread startPreload(std::future<bool> applicationReady) {
  return std::thread([ready = std::move(applicationReady)]() mutable {
    loadFontConfiguration();
    if (ready.get()) (void)QFontDatabase::families();
  });
}

}  // namespace

FontPreload::FontPreload() : thread_(startPreload(applicationReady_.get_future())) {}

FontPreload::~FontPreload() {
  if (thread_.joinable()) {
    try {
      applicationReady_.set_value(false);
    } catch (const std::future_error&) {
      // Already told: the thread is filling the database or done.
    }
  }
  wait();
}

void FontPreload::applicationReady() {
  applicationReady_.set_value(true);
}

void FontPreload::wait() {
  if (thread_.joinable()) thread_.join();
}
