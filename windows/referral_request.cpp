// SPDX-License-Identifier: MIT
#include "referral_request.h"

#include <array>

#include "link_launcher.h"
#include "message_presenter.h"
#include "skip_on_failure.h"

namespace referral {
namespace {

struct RequiredField {
  QString web::ReferralFields::*field;
  const QString* placeholder;
  const char* message;
};

// In the order they are checked.
const std::array kRequiredFields{
    RequiredField{&web::ReferralFields::name, &kNamePlaceholder, "Please Enter Your Name"},
    RequiredField{&web::ReferralFields::email, &kEmailPlaceholder, "Please Enter Your Email"},
    RequiredField{&web::ReferralFields::message, &kMessagePlaceholder, "Please Enter Your Message"},
    RequiredField{&web::ReferralFields::friendName, &kFriendNamePlaceholder,
                  "Please Enter Your Friend's Name"},
    RequiredField{&web::ReferralFields::friendEmail, &kFriendEmailPlaceholder,
                  "Please Enter Your Friend's Email"},
};

bool filledIn(const QString& value, const QString& placeholder) {
  const QString trimmed = trimSpaces(value);
  return !trimmed.isEmpty() && trimmed != placeholder;
}

}  // namespace

QString trimSpaces(const QString& text) {
  const QChar blank(u' ');
  qsizetype first = 0;
  qsizetype end = text.size();
  while (first < end && text.at(first) == blank) ++first;
  while (end > first && text.at(end - 1) == blank) --end;
  return text.sliced(first, end - first);
}

void send(Request& request, LinkLauncher& launcher, MessagePresenter& messages, QWidget* over) {
  for (const RequiredField& required : kRequiredFields) {
    if (!filledIn(request.fields.*required.field, *required.placeholder)) {
      messages.reportInputError(QString::fromLatin1(required.message), over);
      return;
    }
  }
  request.address = web::referralAddress(request.fields);
  // Whatever goes wrong on the way to the browser stays there.
  geomancy::skipOnFailure([&] { launcher.openAddress(request.address); });
}

}  // namespace referral
