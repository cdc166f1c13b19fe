#include "tell_a_friend.h"

#include <QUrl>
#include <array>

#include "message_presenter.h"
#include "web_pages.h"

namespace modTellAFriend {
namespace {

struct RequiredField {
  QString ReferralFields::*field;
  const QString* placeholder;
  const char* message;
};

// In the order they are checked.
const std::array kRequiredFields{
    RequiredField{&ReferralFields::name, &kNamePlaceholder, "Please Enter Your Name"},
    RequiredField{&ReferralFields::email, &kEmailPlaceholder, "Please Enter Your Email"},
    RequiredField{&ReferralFields::message, &kMessagePlaceholder, "Please Enter Your Message"},
    RequiredField{&ReferralFields::friendName, &kFriendNamePlaceholder,
                  "Please Enter Your Friend's Name"},
    RequiredField{&ReferralFields::friendEmail, &kFriendEmailPlaceholder,
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

QString referralAddress(const ReferralFields& fields) {
  const std::array values{fields.name,       fields.email,       fields.message,
                          fields.friendName, fields.friendEmail, links::programHomeAddress()};
  QString address = links::pageAddress(links::Page::ReferAFriend) + QLatin1Char('?');
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) address += QLatin1Char('&');
    address += QStringLiteral("taf%1=").arg(i + 1);
    address += QString::fromLatin1(QUrl::toPercentEncoding(values[i]));
  }
  return address;
}

void TellAFriend(Referral& referral, links::LinkLauncher& launcher,
                 links::MessagePresenter& messages, QWidget* over) {
  for (const RequiredField& required : kRequiredFields) {
    if (!filledIn(referral.fields.*required.field, *required.placeholder)) {
      messages.reportInputError(QString::fromLatin1(required.message), over);
      return;
    }
  }
  referral.address = referralAddress(referral.fields);
  modHelp::OpenWebPage(launcher, referral.address);
}

}  // namespace modTellAFriend
