// SPDX-License-Identifier: MIT
#include "window_menus.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "about_dialog.h"
#include "desktop_guard.h"
#include "pages.h"
#include "recording_link_launcher.h"

using MenuBarKind = WindowMenus::Kind;

Q_DECLARE_METATYPE(MenuBarKind)

namespace {

// A stand-in for a main window: the menu bar of the given kind with its commands, shown so that
// the keyboard reaches it.
struct TestWindow {
  explicit TestWindow(MenuBarKind kind) {
    window.setObjectName(QStringLiteral("window"));
    menus = new WindowMenus(kind, launcher, window);
    bar = &menus->bar();
    window.setMenuBar(bar);
    window.resize(600, 300);
    window.show();
    window.activateWindow();
    active = QTest::qWaitForWindowActive(&window);
  }

  [[nodiscard]] QAction* action(const char* objectName) const {
    return bar->findChild<QAction*>(QString::fromLatin1(objectName));
  }

  RecordingLinkLauncher launcher;
  QMainWindow window;
  QMenuBar* bar = nullptr;
  WindowMenus* menus = nullptr;
  bool active = false;
};

// "caption|objectName" for every entry; separators read "-".
QStringList describeEntries(const QList<QAction*>& actions) {
  QStringList entries;
  for (const QAction* action : actions) {
    entries << (action->isSeparator() ? QStringLiteral("-") : action->text()) + QLatin1Char('|') +
                   action->objectName();
  }
  return entries;
}

QStringList describeMenu(const QMenuBar& bar, const char* objectName) {
  const auto* menu = bar.findChild<QMenu*>(QString::fromLatin1(objectName));
  return menu != nullptr ? describeEntries(menu->actions()) : QStringList{};
}

}  // namespace

class MenusTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { guard_.opened.clear(); }
  void cleanup() { QVERIFY2(guard_.opened.isEmpty(), "a test reached the desktop's browser"); }

  void castingBarLayout() {
    TestWindow w(MenuBarKind::Casting);
    QVERIFY(!w.bar->isNativeMenuBar());
    QCOMPARE(describeEntries(w.bar->actions()),
             (QStringList{"&File|nuFile", "&Help|mnuHelp", "&Donate|mnuDonate",
                          "Make Money &Online|mnumakemoney"}));
    QCOMPARE(describeMenu(*w.bar, "nuFile"), QStringList{"E&xit|mnuExit"});
    QCOMPARE(describeMenu(*w.bar, "mnuHelp"),
             (QStringList{"&Online Help|mnuOnline", "&Visit Us Online|mnuVisit", "-|mnuFileSep1",
                          "&Check for Software Update|mnuUpdate", "-|mnuFileSep2",
                          "&About Software|mnuAbout"}));
  }

  void resultBarLayout() {
    TestWindow w(MenuBarKind::Result);
    QVERIFY(!w.bar->isNativeMenuBar());
    QCOMPARE(describeEntries(w.bar->actions()),
             (QStringList{"&File|mnuFile", "&Help|mnuHelp", "&Donate|mnuDonate",
                          "Make Money &Online|mnumakemoney"}));
    QCOMPARE(describeMenu(*w.bar, "mnuFile"), (QStringList{"Back|mnuBack", "E&xit|mnuExit"}));
    QCOMPARE(describeMenu(*w.bar, "mnuHelp"),
             (QStringList{"&Online Help|mnuOnline", "&Visit Us Online|mnuVisit", "-|mnuSep1",
                          "Check for Software &Update|mnuUpdate", "-|mnuSep2",
                          "&About Software|mnuAbout"}));
  }

  void barEntriesAndAvailability_data() {
    QTest::addColumn<MenuBarKind>("kind");
    QTest::newRow("casting") << MenuBarKind::Casting;
    QTest::newRow("result") << MenuBarKind::Result;
  }
  void barEntriesAndAvailability() {
    QFETCH(MenuBarKind, kind);
    TestWindow w(kind);
    const QList<QAction*> entries = w.bar->actions();
    QCOMPARE(entries.size(), 4);
    QVERIFY(entries.at(0)->menu() != nullptr);
    QVERIFY(entries.at(1)->menu() != nullptr);
    QVERIFY(entries.at(2)->menu() == nullptr);
    QVERIFY(entries.at(3)->menu() == nullptr);
    QList<QAction*> all = entries;
    for (const QAction* entry : entries) {
      if (const QMenu* menu = entry->menu()) {
        QCOMPARE(menu->objectName(), entry->objectName());
        QVERIFY(!menu->accessibleName().isEmpty());
        QVERIFY(!menu->accessibleDescription().isEmpty());
        all += menu->actions();
      }
    }
    for (const QAction* action : all) {
      QVERIFY2(!action->objectName().isEmpty(), qPrintable(action->text()));
      QCOMPARE(action->isEnabled(), action->objectName() != QLatin1String("mnumakemoney"));
      if (!action->isSeparator())
        QVERIFY2(!action->statusTip().isEmpty(), qPrintable(action->text()));
    }
  }

  void eachCommandOpensExactlyItsPage_data() {
    QTest::addColumn<MenuBarKind>("kind");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QStringList>("addresses");
    const QString forum = web::pageAddress(web::Page::ForumHome);
    for (const auto& [kind, name] :
         {std::pair{MenuBarKind::Casting, "casting"}, std::pair{MenuBarKind::Result, "result"}}) {
      const auto row = [&](const char* objectName, const QStringList& addresses) {
        QTest::addRow("%s %s", name, objectName)
            << kind << QString::fromLatin1(objectName) << addresses;
      };
      row("mnuOnline", {web::pageAddress(web::Page::OnlineHelp)});
      row("mnuVisit", {forum});
      row("mnuUpdate", {web::pageAddress(web::Page::UpdatePage)});
      row("mnuDonate", {web::pageAddress(web::Page::DonatePage)});
      row("mnumakemoney", {web::pageAddress(web::Page::FullyBrandedPage)});
      row("mnuExit", {});
    }
    QTest::addRow("result mnuBack")
        << MenuBarKind::Result << QStringLiteral("mnuBack") << QStringList{};
  }
  // Exit closes the window; Back is the result window's to handle and opens nothing.
  void eachCommandOpensExactlyItsPage() {
    QFETCH(MenuBarKind, kind);
    QFETCH(QString, objectName);
    QFETCH(QStringList, addresses);
    TestWindow w(kind);
    auto* action = w.bar->findChild<QAction*>(objectName);
    QVERIFY(action != nullptr);
    action->setEnabled(true);  // the handler behind the unavailable command is still defined
    action->trigger();
    QCOMPARE(w.launcher.addresses, addresses);
    QCOMPARE(w.window.isVisible(), objectName != QLatin1String("mnuExit"));
  }

  void donateRunsFromAClickOnTheBar() {
    TestWindow w(MenuBarKind::Casting);
    QAction* donate = w.action("mnuDonate");
    QTest::mouseClick(w.bar, Qt::LeftButton, {}, w.bar->actionGeometry(donate).center());
    QCOMPARE(w.launcher.addresses, QStringList{web::pageAddress(web::Page::DonatePage)});
  }

  void makeMoneyOnlineCannotBeChosen_data() { barEntriesAndAvailability_data(); }
  void makeMoneyOnlineCannotBeChosen() {
    QFETCH(MenuBarKind, kind);
    TestWindow w(kind);
    QAction* makeMoney = w.action("mnumakemoney");
    QVERIFY(!makeMoney->isEnabled());
    QVERIFY(!w.bar->actionGeometry(makeMoney).isEmpty());  // shown, greyed
    QTest::mouseClick(w.bar, Qt::LeftButton, {}, w.bar->actionGeometry(makeMoney).center());
    QTest::keyClick(&w.window, Qt::Key_O, Qt::AltModifier);
    QTest::qWait(150);  // past the bar's release of a shortcut-activated entry
    QCOMPARE(w.launcher.addresses, QStringList{});
    QVERIFY(QApplication::activePopupWidget() == nullptr);
  }

  void accessKeysOnTheBar() {
    TestWindow w(MenuBarKind::Result);
    QTest::keyClick(&w.window, Qt::Key_D, Qt::AltModifier);
    QCOMPARE(w.launcher.addresses, QStringList{web::pageAddress(web::Page::DonatePage)});
  }

  // Inside the open Help menu, O is "&Online Help", not the bar's "Make Money &Online".
  void onlineHelpByKeyboard_data() { barEntriesAndAvailability_data(); }
  void onlineHelpByKeyboard() {
    QFETCH(MenuBarKind, kind);
    TestWindow w(kind);
    QTest::keyClick(&w.window, Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    QWidget* help = QApplication::activePopupWidget();
    QCOMPARE(help->objectName(), QStringLiteral("mnuHelp"));
    QTest::keyClick(help, Qt::Key_O);
    QCOMPARE(w.launcher.addresses, QStringList{web::pageAddress(web::Page::OnlineHelp)});
  }

  void updateAccessKeyDiffers_data() {
    QTest::addColumn<MenuBarKind>("kind");
    QTest::addColumn<int>("key");
    QTest::newRow("casting: C") << MenuBarKind::Casting << int(Qt::Key_C);
    QTest::newRow("result: U") << MenuBarKind::Result << int(Qt::Key_U);
  }
  void updateAccessKeyDiffers() {
    QFETCH(MenuBarKind, kind);
    QFETCH(int, key);
    TestWindow w(kind);
    QTest::keyClick(&w.window, Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), static_cast<Qt::Key>(key));
    QCOMPARE(w.launcher.addresses, QStringList{web::pageAddress(web::Page::UpdatePage)});
  }

  void aboutShowsAModalWindowWithoutOwnerUntilClosed_data() { barEntriesAndAvailability_data(); }
  void aboutShowsAModalWindowWithoutOwnerUntilClosed() {
    QFETCH(MenuBarKind, kind);
    TestWindow w(kind);
    QPointer<QWidget> seen;
    QString type;
    bool withoutOwner = false;
    QTimer::singleShot(0, &w.window, [&] {
      seen = QApplication::activeModalWidget();
      if (seen.isNull()) return;
      withoutOwner = seen->parentWidget() == nullptr;
      type = QString::fromLatin1(seen->metaObject()->className());
      QTest::keyClick(seen, Qt::Key_Escape);
    });
    w.action("mnuAbout")->trigger();
    QCoreApplication::sendPostedEvents(w.menus, QEvent::MetaCall);  // About comes after the menu
    QCOMPARE(type, QStringLiteral("AboutDialog"));
    QVERIFY(seen.isNull());  // it was destroyed when the command returned
    QVERIFY(withoutOwner);
    QCOMPARE(w.launcher.addresses, QStringList{});
    QVERIFY(w.window.isVisible());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(w.window.findChild<AboutDialog*>() == nullptr);
  }

 private:
  DesktopGuard guard_;
};

QTEST_MAIN(MenusTest)
#include "window_menus_test.moc"
