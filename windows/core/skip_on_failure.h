// SPDX-License-Identifier: MIT
#pragma once

#include <utility>

namespace geomancy {

// Runs one statement of an event handler; if it fails, the failure is dropped and the handler
// goes on with its next statement. Nothing is reported or logged.
template <typename Statement>
void skipOnFailure(Statement&& statement) noexcept {
  try {
    std::forward<Statement>(statement)();
  } catch (...) {
  }
}

}  // namespace geomancy
