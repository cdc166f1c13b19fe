// SPDX-License-Identifier: MIT
#include "interruption.h"

#include <csignal>

#ifdef _WIN32
#include <windows.h>
#endif

namespace qxcast {
namespace {

volatile std::sig_atomic_t caught = 0;

extern "C" void noteSignal(int signal) {
  caught = signal;
}

#ifdef _WIN32
// Windows ends a console program once this returns from a closed console, a log-off or a shut
// down, and gives it five seconds: the handler's thread waits, and the run ends as after SIGTERM
// when the reading at hand is written. Ctrl+C comes as SIGINT.
BOOL WINAPI onConsoleEnd(DWORD event) {
  if (event != CTRL_CLOSE_EVENT && event != CTRL_LOGOFF_EVENT && event != CTRL_SHUTDOWN_EVENT) {
    return FALSE;
  }
  caught = SIGTERM;
  Sleep(INFINITE);
  return TRUE;
}
#endif

}  // namespace

void catchInterruptions() {
  (void)std::signal(SIGINT, noteSignal);
  (void)std::signal(SIGTERM, noteSignal);
#ifdef _WIN32
  (void)SetConsoleCtrlHandler(onConsoleEnd, TRUE);
#endif
}

int interruption() noexcept {
  return caught;
}

}  // namespace qxcast
