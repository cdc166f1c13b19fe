// SPDX-License-Identifier: MIT
#include "web_page.h"

#include "link_launcher.h"
#include "skip_on_failure.h"

void openWebPage(LinkLauncher& launcher, web::Page page) noexcept {
  geomancy::skipOnFailure([&] { launcher.openAddress(web::pageAddress(page)); });
}
