// SPDX-License-Identifier: MIT
#include "font_preload.h"

#include <QFontDatabase>
#include <QStringList>

#if defined(QXG_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace {

// Like every new thread under glibc, the preload allocates from a memory arena of its own.
// Sharing the main thread's arena would save a little memory (about 0.2 MiB), but the two
// threads then queue for its lock while the application connects to the display, and the
// casting window appeared about 1.5 ms later.
//
// Only where Qt finds its fonts through fontconfig: there, filling Qt's font database from
// another thread is known to be safe and measured to pay. Elsewhere the platform's font database
// may be made on first use without a lock, so the first window loads the fonts itself.
std::thread startPreload(std::future<bool> applicationReady) {
#if defined(QXG_HAVE_FONTCONFIG)
  return std::thread([ready = std::move(applicationReady)]() mutable {
    (void)FcInit();
    if (ready.get()) (void)QFontDatabase::families();
  });
#else
  (void)applicationReady;
  return {};
#endif
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
