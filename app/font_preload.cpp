#include "font_preload.h"

#include <QFontDatabase>
#include <QStringList>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// The program has one thread of its own beyond this short-lived one. Without a limit, glibc
// would give the preload an allocation arena of its own, and keep it, half empty, for the
// rest of the run.
std::thread startPreload() {
#if defined(__GLIBC__)
  (void)mallopt(M_ARENA_MAX, 1);
#endif
  return std::thread([] { (void)QFontDatabase::families(); });
}

}  // namespace

FontPreload::FontPreload() : thread_(startPreload()) {}

FontPreload::~FontPreload() {
  wait();
}

void FontPreload::wait() {
  if (thread_.joinable()) thread_.join();
}
