#include "display_check.h"

#include <QtGlobal>
#include <algorithm>
#include <cstdlib>

namespace {

bool startsWith(const std::string& text, const char* prefix) {
  return text.rfind(prefix, 0) == 0;
}

// Whether Qt could open the named platform plug-in ("name" or "name:options"): the xcb and
// Wayland ones need their display server; any other (offscreen, vnc, eglfs...) brings its own
// output.
bool usable(const std::string& entry, bool x11, bool wayland) {
  const std::string name = entry.substr(0, entry.find(':'));
  if (startsWith(name, "xcb")) return x11;
  if (startsWith(name, "wayland")) return wayland;
  return true;
}

}  // namespace

bool displayMissing(const std::function<std::string(const char*)>& environment) {
  const std::string platforms = environment("QT_QPA_PLATFORM");
  const bool x11 = !environment("DISPLAY").empty();
  // A compositor that starts the program itself may hand it a connection (WAYLAND_SOCKET) and no
  // display name.
  const bool wayland =
      !environment("WAYLAND_DISPLAY").empty() || !environment("WAYLAND_SOCKET").empty();
  // The variable may name several plug-ins, separated by ';', which Qt tries in turn
  // ("wayland;xcb"): the display is missing only if none of them can run.
  bool named = false;
  for (std::size_t start = 0; start <= platforms.size();) {
    const std::size_t end = std::min(platforms.find(';', start), platforms.size());
    const std::string entry = platforms.substr(start, end - start);
    if (!entry.empty()) {
      named = true;
      if (usable(entry, x11, wayland)) return false;
    }
    start = end + 1;
  }
  return named || (!x11 && !wayland);
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
