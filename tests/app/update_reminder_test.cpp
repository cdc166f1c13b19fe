// SPDX-License-Identifier: MIT
// The update reminder against a settings file in a temporary folder and a fixed date, and the
// date text it stores, read back in every locale.
#include "update_reminder.h"

#include <QSettings>
#include <QtTest>

#include "fake_platform.h"
#include "pages.h"

namespace {

const QDate kToday{2026, 12, 7};
const QString kQuestion = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");

// A store that holds a value but refuses every write.
class RefusingStore final : public SettingsStore {
 public:
  explicit RefusingStore(QString value) : value_(std::move(value)) {}
  [[nodiscard]] std::optional<QString> read(const QString&, const QString&) override {
    return value_;
  }
  [[nodiscard]] bool write(const QString&, const QString&, const QString&) override {
    return false;
  }

 private:
  QString value_;
};

QString storedIn(const QString& file) {
  return QSettings(file, QSettings::IniFormat)
      .value(QStringLiteral("Settings/Duration"))
      .toString();
}

void storeIn(const QString& file, const QString& text) {
  QSettings settings(file, QSettings::IniFormat);
  settings.setValue(QStringLiteral("Settings/Duration"), text);
}

}  // namespace

Q_DECLARE_METATYPE(MessageAnswer)
Q_DECLARE_METATYPE(std::optional<QDate>)

class UpdateReminderTest : public QObject {
  Q_OBJECT

 private slots:
  void reminder_data();
  void reminder();
  void aStoreThatCannotBeWrittenEndsTheReminder();
  void datesReadBackAsWrittenInEveryLocale();
  void storedTextsAreReadInTheUsersFormat_data();
  void storedTextsAreReadInTheUsersFormat();
};

void UpdateReminderTest::reminder_data() {
  QTest::addColumn<QString>("stored");  // a null text: nothing stored
  QTest::addColumn<bool>("refusesWrites");
  QTest::addColumn<MessageAnswer>("answer");
  QTest::addColumn<bool>("asks");
  QTest::addColumn<QString>("storedAfter");
  QTest::addColumn<QStringList>("opened");

  const QString today = QStringLiteral("12/7/2026");
  const QStringList updatePage{web::pageAddress(web::Page::UpdatePage)};
  const QStringList none;
  const auto row = [&](const char* name, const QString& stored, bool refuses, MessageAnswer answer,
                       bool asks, const QString& after, const QStringList& opened) {
    QTest::newRow(name) << stored << refuses << answer << asks << after << opened;
  };
  row("first start", QString(), false, MessageAnswer::Yes, false, today, none);
  row("empty text", QStringLiteral(""), false, MessageAnswer::Yes, false, today, none);
  row("same day", today, false, MessageAnswer::Yes, false, today, none);
  row("14 days ago", QStringLiteral("11/23/2026"), false, MessageAnswer::Yes, false,
      QStringLiteral("11/23/2026"), none);
  row("15 days ago, Yes", QStringLiteral("11/22/2026"), false, MessageAnswer::Yes, true, today,
      updatePage);
  row("15 days ago, No", QStringLiteral("11/22/2026"), false, MessageAnswer::No, true, today, none);
  row("14 days ahead", QStringLiteral("12/21/2026"), false, MessageAnswer::Yes, false,
      QStringLiteral("12/21/2026"), none);
  row("15 days ahead, Yes", QStringLiteral("12/22/2026"), false, MessageAnswer::Yes, true, today,
      updatePage);
  row("a year ago across new year", QStringLiteral("1/2/2025"), false, MessageAnswer::No, true,
      today, none);
  // A date stored with a two-digit year is this century's, not 1926.
  row("two-digit year, today", QStringLiteral("12/7/26"), false, MessageAnswer::Yes, false,
      QStringLiteral("12/7/26"), none);
  row("two-digit year, 20 days ago", QStringLiteral("11/17/26"), false, MessageAnswer::No, true,
      today, none);
  // Unreadable dates are replaced, so that the reminder comes back in fifteen days.
  row("not a date", QStringLiteral("next week"), false, MessageAnswer::Yes, false, today, none);
  row("written before the user's format changed", QStringLiteral("07.12.2026"), false,
      MessageAnswer::Yes, false, today, none);
  row("refused write after Yes", QStringLiteral("11/22/2026"), true, MessageAnswer::Yes, true,
      QStringLiteral("11/22/2026"), none);
  row("refused write on first start", QString(), true, MessageAnswer::Yes, false, QString(), none);
}

void UpdateReminderTest::reminder() {
  QFETCH(QString, stored);
  QFETCH(bool, refusesWrites);
  QFETCH(MessageAnswer, answer);
  QFETCH(bool, asks);
  QFETCH(QString, storedAfter);
  QFETCH(QStringList, opened);

  FakePlatform platform;
  platform.calendar.date = kToday;
  platform.messages.answers = {answer};
  if (!stored.isNull()) storeIn(platform.settingsFile(), stored);
  RefusingStore refusing(stored);
  Seams seams = platform.seams();
  SettingsStore& store = refusesWrites ? static_cast<SettingsStore&>(refusing) : platform.settings;
  checkUpdateReminder(Seams{seams.random, seams.launcher, seams.messages, store, seams.calendar,
                            seams.instanceLock, seams.processEnd});

  QCOMPARE(platform.messages.texts(), asks ? QStringList{kQuestion} : QStringList{});
  if (asks) {
    QCOMPARE(platform.messages.shown.front().kind, MessageKind::Question);
    QVERIFY(platform.messages.shown.front().over.isNull());
  }
  if (!refusesWrites) QCOMPARE(storedIn(platform.settingsFile()), storedAfter);
  QCOMPARE(platform.launcher.addresses, opened);
}

// The settings folder is a file: nothing can be read or written there. The reminder ends
// silently and leaves nothing behind.
void UpdateReminderTest::aStoreThatCannotBeWrittenEndsTheReminder() {
  QTemporaryDir folder;
  const QString notAFolder = folder.filePath(QStringLiteral("file"));
  QFile file(notAFolder);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.close();
  FakePlatform platform;
  QSettingsStore unwritable(notAFolder + QStringLiteral("/QXFreeGeomancy.conf"));
  Seams seams = platform.seams();
  checkUpdateReminder(Seams{seams.random, seams.launcher, seams.messages, unwritable,
                            seams.calendar, seams.instanceLock, seams.processEnd});
  QVERIFY(platform.messages.shown.isEmpty());
  QVERIFY(platform.launcher.addresses.isEmpty());
  QCOMPARE(QFileInfo(notAFolder).size(), 0);
}

void UpdateReminderTest::datesReadBackAsWrittenInEveryLocale() {
  struct Written {
    QLocale locale;
    QString today;
  };
  // Today in four familiar formats, the year always in four digits.
  for (const Written& written :
       {Written{QLocale(QLocale::English, QLocale::UnitedStates), QStringLiteral("12/7/2026")},
        Written{QLocale(QLocale::German, QLocale::Germany), QStringLiteral("07.12.2026")},
        Written{QLocale(QLocale::English, QLocale::UnitedKingdom), QStringLiteral("07/12/2026")},
        Written{QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("2026/12/07")}}) {
    QCOMPARE(reminderDate::toText(kToday, written.locale), written.today);
  }

  const auto locales =
      QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
  QVERIFY(locales.size() > 300);
  for (const QLocale& locale : locales) {
    for (const QDate date : {kToday, QDate(2000, 2, 29), QDate(1999, 12, 31), QDate(2100, 1, 1)}) {
      const QString text = reminderDate::toText(date, locale);
      const std::optional<QDate> read = reminderDate::fromText(text, locale, kToday);
      if (read != date) {
        QFAIL(qPrintable(QStringLiteral("%1: %2 written as \"%3\" reads back as %4")
                             .arg(locale.name(), date.toString(Qt::ISODate), text,
                                  read ? read->toString(Qt::ISODate) : QStringLiteral("nothing"))));
      }
    }
  }
}

void UpdateReminderTest::storedTextsAreReadInTheUsersFormat_data() {
  QTest::addColumn<QLocale>("locale");
  QTest::addColumn<QString>("text");
  QTest::addColumn<std::optional<QDate>>("read");
  const QLocale us(QLocale::English, QLocale::UnitedStates);
  const QLocale german(QLocale::German, QLocale::Germany);
  const QLocale british(QLocale::English, QLocale::UnitedKingdom);
  const auto date = [](int y, int m, int d) { return std::optional<QDate>(QDate(y, m, d)); };
  QTest::newRow("US two-digit today") << us << "12/7/26" << date(2026, 12, 7);
  QTest::newRow("US two-digit 1999") << us << "12/31/99" << date(1999, 12, 31);
  // 1977 lies 49.9 years back, 2077 50.1 years ahead.
  QTest::newRow("US two-digit nearer the past") << us << "1/1/77" << date(1977, 1, 1);
  QTest::newRow("US two-digit nearer the future") << us << "12/6/76" << date(2076, 12, 6);
  QTest::newRow("German two-digit leap day 2000") << german << "29.02.00" << date(2000, 2, 29);
  QTest::newRow("US four-digit") << us << "2/29/2000" << date(2000, 2, 29);
  QTest::newRow("US no such day") << us << "2/29/2001" << std::optional<QDate>();
  QTest::newRow("British takes four digits only")
      << british << "07/12/26" << std::optional<QDate>();
  QTest::newRow("German text in the US") << us << "07.12.2026" << std::optional<QDate>();
  QTest::newRow("blank") << us << " " << std::optional<QDate>();
}

void UpdateReminderTest::storedTextsAreReadInTheUsersFormat() {
  QFETCH(QLocale, locale);
  QFETCH(QString, text);
  QFETCH(std::optional<QDate>, read);
  QCOMPARE(reminderDate::fromText(text, locale, kToday), read);
}

QTEST_MAIN(UpdateReminderTest)
#include "update_reminder_test.moc"
