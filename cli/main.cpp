// SPDX-License-Identifier: MIT
#include <iostream>

#include "caster.h"
#include "interruption.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

std::string utf8(const wchar_t* wide) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string text(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
  text.pop_back();  // the terminating zero
  return text;
}

}  // namespace

// The arguments as Windows holds them, in UTF-16, turned into UTF-8 as on every other system:
// the narrow ones would come in the ANSI code page, with whatever it lacks lost.
int wmain(int argc, wchar_t** argv) {
  // Output byte for byte as on other systems: line feeds, not CR LF.
  (void)_setmode(_fileno(stdout), _O_BINARY);
  (void)_setmode(_fileno(stderr), _O_BINARY);
  qxcast::catchInterruptions();
  std::vector<std::string> arguments;
  for (int i = 0; i < argc; ++i) arguments.push_back(utf8(argv[i]));
  std::vector<const char*> pointers;
  for (const std::string& argument : arguments) pointers.push_back(argument.c_str());
  return qxcast::runCaster(argc, pointers.data(), std::cout, std::cerr);
}

#else

int main(int argc, char** argv) {
  qxcast::catchInterruptions();
  return qxcast::runCaster(argc, argv, std::cout, std::cerr);
}

#endif
