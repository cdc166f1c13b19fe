#pragma once

#include <functional>
#include <string>

// Whether the desktop program would find no display to open its windows on. On Linux, Qt's own
// platform plug-in would then abort with several lines; the program says so in one instead.
// `environment` reads one variable, giving "" when it is not set.
[[nodiscard]] bool displayMissing(const std::function<std::string(const char*)>& environment);

[[nodiscard]] bool displayMissing();
