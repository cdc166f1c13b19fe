// SPDX-License-Identifier: MIT
#include "referral.h"

#include <QUrl>
#include <array>

#include "pages.h"

namespace web {

QString referralAddress(const ReferralFields& fields) {
  const std::array values{fields.name,       fields.email,       fields.message,
                          fields.friendName, fields.friendEmail, programHomeAddress()};
  QString address = pageAddress(Page::ReferAFriend) + QLatin1Char('?');
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) address += QLatin1Char('&');
    address += QStringLiteral("taf%1=").arg(i + 1);
    address += QString::fromLatin1(QUrl::toPercentEncoding(values[i]));
  }
  return address;
}

}  // namespace web
