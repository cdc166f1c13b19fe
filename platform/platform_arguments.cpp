// SPDX-License-Identifier: MIT
#include "platform_arguments.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// Wine's file dialogs of the newer kind, with their tree of folders, end the program that shows
// them when a click in the tree is handled after the pointer has left it (Wine 8); the classic
// dialogs, which Qt's Windows platform shows when asked, have no such tree.
char kPlatformOption[] = "-platform";
char kClassicDialogs[] = "windows:dialogs=xp";

// Whether this program, built for Windows, runs under Wine.
bool runsUnderWine() {
#ifdef _WIN32
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
  return false;
#endif
}

}  // namespace

PlatformArguments::PlatformArguments(int argc, char** argv) : values_(argv, argv + argc) {
  if (runsUnderWine() && !values_.empty())
    values_.insert(values_.begin() + 1, {kPlatformOption, kClassicDialogs});
  count_ = static_cast<int>(values_.size());
  values_.push_back(nullptr);
}
