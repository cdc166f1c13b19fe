#include "font_preload.h"

#include <QFontDatabase>
#include <QStringList>

#if defined(__GLIBC__)
#include <malloc.h>
#endif
#if defined(QXG_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace {

void loadFontConfiguration() {
#if defined(QXG_HAVE_FONTCONFIG)
  (void)FcInit();
#endif
}

// The program has one thread of its own beyond this short-lived one. Without a limit, glibc
// would give the preload an allocation arena of its own, and keep it, half empty, for the
// rest of the run.
std::thread startPreload(std::future<bool> applicationReady) {
#if defined(__GLIBC__)
  (void)mallopt(M_ARENA_MAX, 1);
#endif
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
