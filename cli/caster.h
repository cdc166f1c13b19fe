// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

#include "messages.h"

namespace qxcast {

// The whole program behind main(): reads the arguments (without the program name), writes the
// readings to `out` and any complaint, as one line, to `err`. Bad arguments print nothing on
// `out`. Stops after the reading being written when a signal asks it to. Returns the exit
// status.
int runCaster(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err);

int runCaster(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace qxcast
