// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace web {

// What the exit window's refer-a-friend form sends.
struct ReferralFields {
  QString name;
  QString email;
  QString message;
  QString friendName;
  QString friendEmail;
};

// The forum's refer-a-friend page with the five fields and the program's home address as the
// query parameters taf1 to taf6, in that order. Each value is percent-encoded as UTF-8, all but
// letters, digits and "-._~", so that whatever was typed ("&", "=", "+", "#", "%", line breaks)
// reaches the page as typed and cannot add or change a parameter.
[[nodiscard]] QString referralAddress(const ReferralFields& fields);

}  // namespace web
