// The refer-a-friend request without its window: the checks of TellAFriend in their order, and
// the address, which must carry exactly the six values to the page whatever was typed.
#include <QStringDecoder>
#include <QTest>
#include <QWidget>
#include <optional>
#include <random>

#include "desktop_guard.h"
#include "recording_link_launcher.h"
#include "scripted_message_presenter.h"
#include "tell_a_friend.h"
#include "web_pages.h"

namespace {

using modTellAFriend::ReferralFields;
using Parameters = QList<std::pair<QString, QString>>;

ReferralFields validFields() {
  return {QStringLiteral("Ann"), QStringLiteral("ann@example.org"), QStringLiteral("Have a look"),
          QStringLiteral("Bob"), QStringLiteral("bob@example.org")};
}

// An address query read the way a web server reads a form: "&" between parameters, the first
// "=" between name and value, "+" as a blank, "%" and two hex digits as one byte, and the bytes
// as UTF-8. Anything a server could read in two ways gives nothing.
std::optional<Parameters> decodeQuery(const QByteArray& query) {
  const auto decode = [](const QByteArray& encoded) -> std::optional<QString> {
    QByteArray bytes;
    for (qsizetype i = 0; i < encoded.size(); ++i) {
      const char c = encoded.at(i);
      if (c == '+') {
        bytes += ' ';
      } else if (c == '%') {
        bool ok = false;
        const int byte = encoded.mid(i + 1, 2).toInt(&ok, 16);
        if (!ok || i + 2 >= encoded.size()) return std::nullopt;
        bytes += static_cast<char>(byte);
        i += 2;
      } else {
        bytes += c;
      }
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) return std::nullopt;
    return text;
  };
  Parameters parameters;
  for (const QByteArray& pair : query.split('&')) {
    const qsizetype equals = pair.indexOf('=');
    if (equals < 0) return std::nullopt;
    const auto name = decode(pair.left(equals));
    const auto value = decode(pair.mid(equals + 1));
    if (!name || !value) return std::nullopt;
    parameters.append({*name, *value});
  }
  return parameters;
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
  const QString friendName = QStringLiteral("Please Enter Your Friend's Name");
  const QString friendEmail = QStringLiteral("Please Enter Your Friend's Email");

  QTest::newRow("all filled in") << validFields() << QString();
  QTest::newRow("name empty") << with([](auto& f) { f.name.clear(); }) << name;
  QTest::newRow("name blanks only")
      << with([](auto& f) { f.name = QStringLiteral("   "); }) << name;
  QTest::newRow("name placeholder in blanks")
      << with([](auto& f) { f.name = QStringLiteral("  Your Name "); }) << name;
  QTest::newRow("every field a placeholder, name first")
      << ReferralFields{modTellAFriend::kNamePlaceholder, modTellAFriend::kEmailPlaceholder,
                        modTellAFriend::kMessagePlaceholder, modTellAFriend::kFriendNamePlaceholder,
                        modTellAFriend::kFriendEmailPlaceholder}
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
  QTest::newRow("friend's name placeholder")
      << with([](auto& f) { f.friendName = QStringLiteral("Friend's Name"); }) << friendName;
  QTest::newRow("friend's email empty")
      << with([](auto& f) { f.friendEmail.clear(); }) << friendEmail;
  QTest::newRow("friend's email placeholder")
      << with([](auto& f) { f.friendEmail = QStringLiteral(" Friend's Email Address"); })
      << friendEmail;
  QTest::newRow("other letter case is no placeholder")
      << with([](auto& f) { f.name = QStringLiteral("your name"); }) << QString();
}

void TellAFriendTest::checksInTheirOrder() {
  QFETCH(ReferralFields, fields);
  QFETCH(QString, message);
  modTellAFriend::Referral referral{fields, QStringLiteral("the address before")};
  RecordingLinkLauncher launcher;
  ScriptedMessagePresenter messages;
  QWidget over;

  modTellAFriend::TellAFriend(referral, launcher, messages, &over);

  QCOMPARE(referral.fields.name, fields.name);
  QCOMPARE(referral.fields.message, fields.message);
  if (message.isEmpty()) {
    QCOMPARE(messages.texts(), QStringList{});
    QCOMPARE(referral.address, modTellAFriend::referralAddress(fields));
    QCOMPARE(launcher.addresses, QStringList{referral.address});
  } else {
    QCOMPARE(messages.texts(), QStringList{message});
    QCOMPARE(messages.shown.front().kind, links::MessageKind::InputError);
    QCOMPARE(messages.shown.front().over.data(), &over);
    QCOMPARE(referral.address, QStringLiteral("the address before"));
    QCOMPARE(launcher.addresses, QStringList{});
  }
}

// A property over generated entries full of "&", "=", "+", "%", "#", blanks, line breaks,
// accented letters, emoji and empty strings: the page decodes exactly the six values, in order,
// and nothing else.
void TellAFriendTest::addressGivesBackExactlyTheSixValues() {
  const QString page = links::pageAddress(links::Page::ReferAFriend) + QLatin1Char('?');
  QVERIFY(page.startsWith(QStringLiteral("http://") + links::forumHost() + QLatin1Char('/')));
  std::mt19937 random(20261207);
  for (int entry = 0; entry < 5000; ++entry) {
    const ReferralFields fields{generatedEntry(random), generatedEntry(random),
                                generatedEntry(random), generatedEntry(random),
                                generatedEntry(random)};
    const QString address = modTellAFriend::referralAddress(fields);
    const QString context = QStringLiteral("entry %1: %2").arg(entry).arg(address);
    QVERIFY2(address.startsWith(page), qPrintable(context));
    const QString query = address.mid(page.size());
    QVERIFY2(onlyEncodedCharacters(query), qPrintable(context));
    const std::optional<Parameters> decoded = decodeQuery(query.toLatin1());
    QVERIFY2(decoded.has_value(), qPrintable(context));
    const Parameters expected{{QStringLiteral("taf1"), fields.name},
                              {QStringLiteral("taf2"), fields.email},
                              {QStringLiteral("taf3"), fields.message},
                              {QStringLiteral("taf4"), fields.friendName},
                              {QStringLiteral("taf5"), fields.friendEmail},
                              {QStringLiteral("taf6"), links::programHomeAddress()}};
    QVERIFY2(*decoded == expected, qPrintable(context));
  }
}

// At the seam where the address leaves the program, a request full of encoded characters arrives
// byte for byte as it was built (Qt hands this encoded form to xdg-open).
void TellAFriendTest::generatedAddressesReachTheDesktopAsBuilt() {
  std::mt19937 random(7);
  links::DesktopLinkLauncher launcher;
  for (int entry = 0; entry < 300; ++entry) {
    const ReferralFields fields{generatedEntry(random), generatedEntry(random),
                                generatedEntry(random), generatedEntry(random),
                                generatedEntry(random)};
    const QString address = modTellAFriend::referralAddress(fields);
    launcher.openAddress(address);
    QCOMPARE(guard_.opened.size(), 1);
    QCOMPARE(guard_.opened.front().toEncoded(), address.toUtf8());
    guard_.opened.clear();
  }
}

QTEST_MAIN(TellAFriendTest)
#include "links_tell_a_friend_test.moc"
