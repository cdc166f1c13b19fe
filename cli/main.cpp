// SPDX-License-Identifier: MIT
#include <iostream>

#include "caster.h"
#include "interruption.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#include <windows.h>

#include <string>
#include <vector>

// The arguments as Windows holds them, in UTF-16, turned into UTF-8 as on every other system:
// the narrow argv would carry them in the ANSI code page, with whatever it lacks lost.
std::vector<std::string> utf8Arguments() {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 0; wide != nullptr && i < count; ++i) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
    std::string argument(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, argument.data(), size, nullptr, nullptr);
    argument.pop_back();  // the terminating zero
    arguments.push_back(std::move(argument));
  }
  LocalFree(wide);
  return arguments;
}

int main() {
  // Output byte for byte as on other systems: line feeds, not CR LF.
  (void)_setmode(_fileno(stdout), _O_BINARY);
  (void)_setmode(_fileno(stderr), _O_BINARY);
  qxcast::catchInterruptions();
  const std::vector<std::string> arguments = utf8Arguments();
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  return qxcast::runCaster(static_cast<int>(argv.size()), argv.data(), std::cout, std::cerr);
}

#else

int main(int argc, char** argv) {
  qxcast::catchInterruptions();
  return qxcast::runCaster(argc, argv, std::cout, std::cerr);
}

#endif
