// SPDX-License-Identifier: MIT
#pragma once

// How the process ends.
class ProcessEnd {
 public:
  virtual ~ProcessEnd() = default;
  // Ends the process with the status. Only a stand-in for tests returns.
  virtual void endProcess(int status) = 0;
};

// Ends the process at once: no further event is handled and no window outlives the call.
class ImmediateProcessEnd final : public ProcessEnd {
 public:
  [[noreturn]] void endProcess(int status) override;
};
