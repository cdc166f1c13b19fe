// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Where the program hands a web address to the platform. The program uses the desktop launcher;
// tests record the addresses instead.
class LinkLauncher {
 public:
  virtual ~LinkLauncher() = default;

  virtual void openAddress(const QString& address) = 0;
};

// Asks the desktop to open the address in the user's browser and does not look at the outcome.
// The address goes to the desktop byte for byte as it was built: it is taken as already encoded
// and is never repaired or re-encoded on the way. One that is not a valid encoded address is
// refused by the desktop.
class DesktopLinkLauncher final : public LinkLauncher {
 public:
  void openAddress(const QString& address) override;
};
