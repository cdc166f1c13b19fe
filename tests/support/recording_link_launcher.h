// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include "link_launcher.h"
#include "pages.h"

// A link launcher for tests: keeps every address it is asked to open, in order, and opens none.
class RecordingLinkLauncher final : public LinkLauncher {
 public:
  void openAddress(const QString& address) override { addresses.append(address); }

  QStringList addresses;
};
