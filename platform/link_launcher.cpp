// SPDX-License-Identifier: MIT
#include "link_launcher.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopLinkLauncher::openAddress(const QString& address) {
  // Tolerant parsing would "repair" the address (a space becomes %20, a stray % becomes %25)
  // and hand the desktop something other than what was built.
  (void)QDesktopServices::openUrl(QUrl::fromEncoded(address.toUtf8(), QUrl::StrictMode));
}
