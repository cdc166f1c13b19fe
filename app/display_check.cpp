#include "display_check.h"

#include <QtGlobal>
#include <cstdlib>

namespace {

bool startsWith(const std::string& text, const char* prefix) {
  return text.rfind(prefix, 0) == 0;
}

}  // namespace

bool displayMissing(const std::function<std::string(const char*)>& environment) {
  const std::string platform = environment("QT_QPA_PLATFORM");
  const bool x11 = !environment("DISPLAY").empty();
  const bool wayland = !environment("WAYLAND_DISPLAY").empty();
  if (startsWith(platform, "xcb")) return !x11;
  if (startsWith(platform, "wayland")) return !wayland;
  // Any other named platform (offscreen, vnc, eglfs...) brings its own output.
  return platform.empty() && !x11 && !wayland;
}

bool displayMissing() {
#if defined(Q_OS_LINUX)
  return displayMissing([](const char* name) {
    const char* value = std::getenv(name);
    return std::string(value == nullptr ? "" : value);
  });
#else
  return false;
#endif
}
