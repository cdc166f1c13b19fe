// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "referral.h"

class LinkLauncher;
class MessagePresenter;
class QWidget;

// The exit window's refer-a-friend request: what its form last submitted, and the address built
// from it. Program-wide state, kept from one submit to the next.
namespace referral {

struct Request {
  web::ReferralFields fields;
  QString address;  // the last refer-a-friend address built
};

// What each box of the form shows until the user types into it; a field still equal to it
// counts as not filled in.
inline const QString kNamePlaceholder = QStringLiteral("Your Name");
inline const QString kEmailPlaceholder = QStringLiteral("Your Email Address");
inline const QString kMessagePlaceholder = QStringLiteral("Your Message");
inline const QString kFriendNamePlaceholder = QStringLiteral("Friend's Name");
inline const QString kFriendEmailPlaceholder = QStringLiteral("Friend's Email Address");

// The longest entries the form takes. Percent-encoded at their longest (nine characters for a
// character of three UTF-8 bytes), all of them together make an address of some 25,000
// characters: far below the 128 KiB that one argument of a process may hold on Linux, so that a
// request always reaches the browser.
inline constexpr int kNameLength = 100;
inline constexpr int kEmailLength = 254;  // the longest address the mail standards allow
inline constexpr int kMessageLength = 2000;

// Removes leading and trailing blanks (character 32) and nothing else: tabs and line breaks stay.
[[nodiscard]] QString trimSpaces(const QString& text);

// Checks the fields in order; the first that is empty or still its placeholder is reported in a
// message over `over` and ends the request. Otherwise builds the address, keeps it in the
// request and opens it.
void send(Request& request, LinkLauncher& launcher, MessagePresenter& messages,
          QWidget* over = nullptr);

}  // namespace referral
