#pragma once

#include <QString>

// The refer-a-friend request: what the exit window's form last submitted, and the address built
// from it. Program-wide state, kept from one submit to the next.
namespace modTellAFriend {

struct ReferralFields {
  QString name;
  QString email;
  QString message;
  QString friendName;
  QString friendEmail;
};

struct Referral {
  ReferralFields fields;
  QString address;  // the last refer-a-friend address built
};

}  // namespace modTellAFriend
