#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "desktop_guard.h"
#include "frm_about.h"
#include "menus.h"
#include "recording_link_launcher.h"
#include "web_pages.h"
#include "window_commands.h"

using links::MenuBarKind;

Q_DECLARE_METATYPE(links::MenuBarKind)

namespace {

// A stand-in for a main window: the menu bar of the given kind with the shared commands
// connected, shown so that the keyboard reaches it.
struct TestWindow {
  explicit TestWindow(MenuBarKind kind) {
    window.setObjectName(QStringLiteral("window"));
    bar = links::createMenuBar(kind, &window);
    window.setMenuBar(bar);
    commands = new links::WindowCommands(launcher, window);
    commands->connectMenuBar(*bar);
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
  links::WindowCommands* commands = nullptr;
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
    const QString forum = links::pageAddress(links::Page::ForumHome);
    for (const auto& [kind, name] :
         {std::pair{MenuBarKind::Casting, "casting"}, std::pair{MenuBarKind::Result, "result"}}) {
      const auto row = [&](const char* objectName, const QStringList& addresses) {
        QTest::addRow("%s %s", name, objectName)
            << kind << QString::fromLatin1(objectName) << addresses;
      };
      row("mnuOnline", {links::pageAddress(links::Page::OnlineHelp)});
      row("mnuVisit", {forum});
      row("mnuUpdate", {links::pageAddress(links::Page::UpdatePage)});
      row("mnuDonate", {links::pageAddress(links::Page::DonatePage)});
      row("mnumakemoney", {links::pageAddress(links::Page::FullyBrandedPage)});
      row("mnuExit", {});
    }
    QTest::addRow("result mnuBack")
        << MenuBarKind::Result << QStringLiteral("mnuBack") << QStringList{};
  }
  // Exit and Back belong to the windows themselves: the shared commands leave them alone.
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
    QVERIFY(w.window.isVisible());
  }

  void donateRunsFromAClickOnTheBar() {
    TestWindow w(MenuBarKind::Casting);
    QAction* donate = w.action("mnuDonate");
    QTest::mouseClick(w.bar, Qt::LeftButton, {}, w.bar->actionGeometry(donate).center());
    QCOMPARE(w.launcher.addresses, QStringList{links::pageAddress(links::Page::DonatePage)});
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
    QCOMPARE(w.launcher.addresses, QStringList{links::pageAddress(links::Page::DonatePage)});
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
    QCOMPARE(w.launcher.addresses, QStringList{links::pageAddress(links::Page::OnlineHelp)});
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
    QCOMPARE(w.launcher.addresses, QStringList{links::pageAddress(links::Page::UpdatePage)});
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
    QCOMPARE(type, QStringLiteral("frmAbout"));
    QVERIFY(seen.isNull());  // it was destroyed when the command returned
    QVERIFY(withoutOwner);
    QCOMPARE(w.launcher.addresses, QStringList{});
    QVERIFY(w.window.isVisible());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(w.window.findChild<frmAbout*>() == nullptr);
  }

 private:
  DesktopGuard guard_;
};

QTEST_MAIN(MenusTest)
#include "links_menus_test.moc"
