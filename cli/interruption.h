// SPDX-License-Identifier: MIT
#pragma once

namespace qxcast {

// From the call on, SIGINT (Ctrl+C) and SIGTERM no longer end the process where it stands: they
// are noted, and the caster stops after the reading it is writing, so that its output holds
// whole readings only. On Windows, closing the console counts as SIGTERM.
void catchInterruptions();

// The signal that asked the run to stop, 0 while none has.
[[nodiscard]] int interruption() noexcept;

}  // namespace qxcast
