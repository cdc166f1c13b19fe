// SPDX-License-Identifier: MIT
// The refer-a-friend request without its window: the checks of TellAFriend in their order, and
// the address, which must carry exactly the six values to the page whatever was typed.
#include "referral_request.h"

#include <QTest>
#include <QWidget>
#include <optional>
#include <random>

#include "desktop_guard.h"
#include "form_query.h"
#include "pages.h"
#include "recording_link_launcher.h"
#include "scripted_message_presenter.h"

namespace {

using web::ReferralFields;

ReferralFields validFields() {
  return {QStringLiteral("Ann"), QStringLiteral("ann@example.org"), QStringLiteral("Have a look"),
          QStringLiteral("Bob"), QStringLiteral("bob@example.org")};
}

// Bits of text that break a naive query, mixed at random into generated entries.
const QStringList kPieces{
    QStringLiteral("a"),     QStringLiteral("Z"),           QStringLiteral("7"),
    QStringLiteral("-._~"),  QStringLiteral(" "),           QStringLiteral("  "),
    QStringLiteral("&"),     QStringLiteral("="),           QStringLiteral("+"),
    QStringLiteral("%"),     QStringLiteral("%41"),         QStringLiteral("%2"),
    QStringLiteral("#"),     QStringLiteral("?"),           QStringLiteral("/"),
    QStringLiteral(":"),     QStringLiteral(";"),           QStringLiteral("@"),
    QStringLiteral("\r"),    QStringLiteral("\n"),          QStringLiteral("\r\n"),
    QStringLiteral("\t"),    QStringLiteral("\""),          QStringLiteral("'"),
    QStringLiteral("<>\\"),  QStringLiteral("é"),           QStringLiteral("ß"),
    QStringLiteral("Жук"),   QStringLiteral("中文"),        QStringLiteral("€"),
    QStringLiteral("😀"),     QStringLiteral("👍🏽"),    QStringLiteral("&taf7=x"),
    QStringLiteral("taf1="), QStringLiteral("Tom & Jerry"), QStringLiteral("ann+news@example.org"),
};

QString generatedEntry(std::mt19937& random) {
  std::uniform_int_distribution<int> length(0, 8);
  std::uniform_int_distribution<qsizetype> piece(0, kPieces.size() - 1);
  QString entry;
  for (int count = length(random); count > 0; --count) entry += kPieces.at(piece(random));
  return entry;
}

bool onlyEncodedCharacters(const QString& query) {
  for (const QChar c : query) {
    const bool allowed = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                         (c >= u'0' && c <= u'9') || QStringLiteral("-._~%&=").contains(c);
    if (!allowed) return false;
  }
  return true;
}

}  // namespace

class TellAFriendTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { guard_.opened.clear(); }
  void cleanup() { QVERIFY2(guard_.opened.isEmpty(), "a test reached the desktop's browser"); }

  void checksInTheirOrder_data();
  void checksInTheirOrder();
  void addressGivesBackExactlyTheSixValues();
  void generatedAddressesReachTheDesktopAsBuilt();

 private:
  DesktopGuard guard_;
};

void TellAFriendTest::checksInTheirOrder_data() {
  QTest::addColumn<ReferralFields>("fields");
  QTest::addColumn<QString>("message");  // empty: the request is sent
  const auto with = [](auto change) {
    ReferralFields fields = validFields();
    change(fields);
    return fields;
  };
  const QString name = QStringLiteral("Please Enter Your Name");
  const QString email = QStringLiteral("Please Enter Your Email");
  const QString message = QStringLiteral("Please Enter Your Message");
  const QString friendEmail = QStringLiteral("Please Enter Your Friend's Email");

  QTest::newRow("all filled in") << validFields() << QString();
  QTest::newRow("every field a placeholder, name first")
      << ReferralFields{QStringLiteral("Your Name"), QStringLiteral("Your Email Address"),
                        QStringLiteral("Your Message"), QStringLiteral("Friend's Name"),
                        QStringLiteral("Friend's Email Address")}
      << name;
  QTest::newRow("email placeholder")
      << with([](auto& f) { f.email = QStringLiteral("Your Email Address"); }) << email;
  QTest::newRow("email and message empty, email first") << with([](auto& f) {
    f.email.clear();
    f.message.clear();
  }) << email;
  QTest::newRow("message placeholder")
      << with([](auto& f) { f.message = QStringLiteral("Your Message"); }) << message;
  QTest::newRow("message untouched, with its line break")
      << with([](auto& f) { f.message = QStringLiteral("Your Message\r\n"); }) << QString();
  QTest::newRow("friend's email empty")
      << with([](auto& f) { f.friendEmail.clear(); }) << friendEmail;
}

void TellAFriendTest::checksInTheirOrder() {
  QFETCH(ReferralFields, fields);
  QFETCH(QString, message);
  referral::Request referral{fields, QStringLiteral("the address before")};
  RecordingLinkLauncher launcher;
  ScriptedMessagePresenter messages;
  QWidget over;

  referral::send(referral, launcher, messages, &over);

  QCOMPARE(referral.fields.name, fields.name);
  QCOMPARE(referral.fields.message, fields.message);
  if (message.isEmpty()) {
    QCOMPARE(messages.texts(), QStringList{});
    QCOMPARE(referral.address, web::referralAddress(fields));
    QCOMPARE(launcher.addresses, QStringList{referral.address});
  } else {
    QCOMPARE(messages.texts(), QStringList{message});
    QCOMPARE(messages.shown.front().kind, MessageKind::InputError);
    QCOMPARE(messages.shown.front().over.data(), &over);
    QCOMPARE(referral.address, QStringLiteral("the address before"));
    QCOMPARE(launcher.addresses, QStringList{});
  }
}

// A property over generated entries full of "&", "=", "+", "%", "#", blanks, line breaks,
// accented letters, emoji and empty strings: the page decodes exactly the six values, in order,
// and nothing else.
void TellAFriendTest::addressGivesBackExactlyTheSixValues() {
  const QString page = web::pageAddress(web::Page::ReferAFriend) + QLatin1Char('?');
  QVERIFY(page.startsWith(QStringLiteral("http://") + web::forumHost() + QLatin1Char('/')));
  std::mt19937 random(20261207);
  for (int entry = 0; entry < 5000; ++entry) {
    const ReferralFields fields{generatedEntry(random), generatedEntry(random),
                                generatedEntry(random), generatedEntry(random),
                                generatedEntry(random)};
    const QString address = web::referralAddress(fields);
    const QString context = QStringLiteral("entry %1: %2").arg(entry).arg(address);
    QVERIFY2(address.startsWith(page), qPrintable(context));
    const QString query = address.mid(page.size());
    QVERIFY2(onlyEncodedCharacters(query), qPrintable(context));
    const std::optional<FormParameters> decoded = decodeFormQuery(query.toLatin1());
    QVERIFY2(decoded.has_value(), qPrintable(context));
    const FormParameters expected =
        referralParameters(fields.name, fields.email, fields.message, fields.friendName,
                           fields.friendEmail, web::programHomeAddress());
    QVERIFY2(*decoded == expected, qPrintable(context));
  }
}

// At the seam where the address leaves the program, a request full of encoded characters arrives
// byte for byte as it was built (Qt hands this encoded form to xdg-open).
void TellAFriendTest::generatedAddressesReachTheDesktopAsBuilt() {
  std::mt19937 random(7);
  DesktopLinkLauncher launcher;
  for (int entry = 0; entry < 300; ++entry) {
    const ReferralFields fields{generatedEntry(random), generatedEntry(random),
                                generatedEntry(random), generatedEntry(random),
                                generatedEntry(random)};
    const QString address = web::referralAddress(fields);
    launcher.openAddress(address);
    QCOMPARE(guard_.opened.size(), 1);
    QCOMPARE(guard_.opened.front().toEncoded(), address.toUtf8());
    guard_.opened.clear();
  }
}

QTEST_MAIN(TellAFriendTest)
#include "referral_request_test.moc"
