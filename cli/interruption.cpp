// SPDX-License-Identifier: MIT
#include "interruption.h"

#include <csignal>

namespace qxcast {
namespace {

volatile std::sig_atomic_t caught = 0;

extern "C" void noteSignal(int signal) {
  caught = signal;
}

}  // namespace

void catchInterruptions() {
  (void)std::signal(SIGINT, noteSignal);
  (void)std::signal(SIGTERM, noteSignal);
}

int interruption() noexcept {
  return caught;
}

}  // namespace qxcast
