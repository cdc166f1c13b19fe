// SPDX-License-Identifier: MIT
#pragma once

#include <concepts>
#include <iosfwd>
#include <span>
#include <string_view>

namespace qxcast {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitOutputFailed = 1;
inline constexpr int kExitBadArguments = 2;
// Stopped by a signal (see interruption.h): 128 plus its number, as a shell reports it.
inline constexpr int kExitSignalBase = 128;

// The whole program behind main(): reads the arguments (without the program name), writes the
// readings to `out` and any complaint, as one line, to `err`. Bad arguments print nothing on
// `out`. Stops after the reading being written when a signal asks it to. Returns the exit
// status.
int runCaster(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err);

int runCaster(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

// Calls visit(1), visit(2) and so on up to visit(last), or until a call returns false. `last` may
// be the largest value of its type: the count stops there instead of wrapping round to 0.
template <std::unsigned_integral Count, typename Visit>
void countUpTo(Count last, Visit&& visit) {
  if (last == 0) return;
  for (Count number = 1;; ++number) {
    if (!visit(number) || number == last) return;
  }
}

}  // namespace qxcast
