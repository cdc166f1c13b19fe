// SPDX-License-Identifier: MIT
#include "platform_arguments.h"

#include <QStringList>
#include <QTest>

class PlatformArgumentsTest : public QObject {
  Q_OBJECT

 private slots:
  // Under Wine (the Windows build's tests run there) the classic dialogs are asked for before the
  // user's own options, which win; elsewhere the arguments stay as given.
  void platformOptionsComeBeforeTheUsersOwn() {
    char program[] = "qxgeomancy-chart";
    char option[] = "-platform";
    char value[] = "offscreen";
    char* argv[] = {program, option, value, nullptr};
    PlatformArguments arguments(3, argv);
    QStringList given;
    for (int i = 0; i < arguments.count(); ++i)
      given << QString::fromLocal8Bit(arguments.values()[i]);
    QStringList expected{QStringLiteral("qxgeomancy-chart")};
    if (runsUnderWine())
      expected << QStringLiteral("-platform") << QStringLiteral("windows:dialogs=xp");
    expected << QStringLiteral("-platform") << QStringLiteral("offscreen");
    QCOMPARE(given, expected);
    QCOMPARE(arguments.values()[arguments.count()], nullptr);
  }
};

QTEST_GUILESS_MAIN(PlatformArgumentsTest)
#include "platform_arguments_test.moc"
