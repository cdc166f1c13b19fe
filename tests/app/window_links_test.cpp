// SPDX-License-Identifier: MIT
// The web commands of the two main windows of the running program, reached as a user reaches
// them: menu commands by their access keys, link labels by a click where they are seen. Each
// must open exactly its page through the launcher; Exit, Back and About must do their own work.
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <QtTest>
#include <functional>
#include <tuple>

#include "desktop_guard.h"
#include "fake_platform.h"
#include "pages.h"
#include "program.h"

using web::Page;

namespace {

enum class Which { Casting, Result };

const geomancy::Figure kMothers[4] = {{1, 1, 2, 2}, {2, 1, 1, 1}, {1, 2, 2, 1}, {2, 2, 2, 1}};

// Promotion draws and the number each gives: 0.0 -> 1, 0.2 -> 2.2 -> 2, 0.99 -> 6.94 -> 7.
constexpr float kCobrandInFront = 0.0f;
constexpr float kFullBrandInFront = 0.2f;
constexpr float kOrderLeftAlone = 0.99f;

QString page(Page which) {
  return web::pageAddress(which);
}

void settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// What a close leaves behind, to hold Exit against the close box.
struct Aftermath {
  Program::State state;
  bool castingOpen;
  bool castingVisible;
  bool resultOpen;
  bool resultVisible;
  bool closedWindowDeleted;
  qsizetype unloadedSignals;
  QStringList addresses;

  bool operator==(const Aftermath&) const = default;
};

char* describe(const Aftermath& a) {
  return QTest::toString(
      QStringLiteral("state %1, casting open %2 visible %3, result open %4 visible %5, "
                     "closed window deleted %6, unloaded %7, addresses [%8]")
          .arg(int(a.state))
          .arg(a.castingOpen)
          .arg(a.castingVisible)
          .arg(a.resultOpen)
          .arg(a.resultVisible)
          .arg(a.closedWindowDeleted)
          .arg(a.unloadedSignals)
          .arg(a.addresses.join(QStringLiteral(", "))));
}

}  // namespace

namespace QTest {
template <>
char* toString(const Aftermath& aftermath) {
  return describe(aftermath);
}
}  // namespace QTest

Q_DECLARE_METATYPE(Which)
Q_DECLARE_METATYPE(Page)

class WindowLinksTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();

  void menuCommandsOpenTheirPages_data();
  void menuCommandsOpenTheirPages();
  void makeMoneyOnlineCannotBeChosen_data();
  void makeMoneyOnlineCannotBeChosen();
  void aboutIsModalAndLeavesItsOpenerAsItWas_data();
  void aboutIsModalAndLeavesItsOpenerAsItWas();
  void castingLabelsOpenWhatIsInFront_data();
  void castingLabelsOpenWhatIsInFront();
  void resultLabelsKeepTheirOrder_data();
  void resultLabelsKeepTheirOrder();
  void exitClosesItsWindowLikeTheCloseBox_data();
  void exitClosesItsWindowLikeTheCloseBox();
  void backFromTheFileMenuReturnsToCasting();

 private:
  void start(float promotionDraw);
  QMainWindow* reach(Which which);
  QMenu* openMenu(QMainWindow* window, Qt::Key accessKey);
  Aftermath closeBy(Which which, const std::function<void(QMainWindow*)>& close);

  std::unique_ptr<FakePlatform> platform_;
  std::unique_ptr<Program> program_;
  std::unique_ptr<DesktopGuard> trap_;
};

namespace {

QString proceedCaption(const Program& program) {
  return program.castingWindow()->findChild<QPushButton*>(QStringLiteral("cmdProceed"))->text();
}

}  // namespace

void WindowLinksTest::initTestCase() {
  // Closing a main window must not end the event loops that About and QTRY rely on.
  QApplication::setQuitOnLastWindowClosed(false);
}

void WindowLinksTest::init() {
  trap_ = std::make_unique<DesktopGuard>();
}

void WindowLinksTest::cleanup() {
  program_.reset();
  settle();
  QVERIFY2(trap_->opened.isEmpty(), "a command went past the program's launcher");
  trap_.reset();
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
  }
}

void WindowLinksTest::start(float promotionDraw) {
  platform_ = std::make_unique<FakePlatform>(std::vector<float>{promotionDraw});
  program_ = std::make_unique<Program>(platform_->seams());
  program_->startProgram();
}

// The window on screen and active, so that its access keys reach it; the result window after a
// whole reading.
QMainWindow* WindowLinksTest::reach(Which which) {
  QMainWindow* window = program_->castingWindow();
  if (which == Which::Result) {
    for (const auto& mother : kMothers) platform_->random.appendFigure(mother);
    auto* proceed = window->findChild<QPushButton*>(QStringLiteral("cmdProceed"));
    for (int press = 0; press < 16; ++press) proceed->click();
    window = program_->resultWindow();
  }
  if (window == nullptr || !window->isVisible()) return nullptr;
  window->activateWindow();
  return QTest::qWaitForWindowActive(window) ? window : nullptr;
}

// Alt and the access key of a bar entry, sent to the window so that its shortcuts are matched;
// the drop-down menu that opens, if any.
QMenu* WindowLinksTest::openMenu(QMainWindow* window, Qt::Key accessKey) {
  QTest::keyClick(window->windowHandle(), accessKey, Qt::AltModifier);
  if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; })) {
    return nullptr;
  }
  return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

void WindowLinksTest::menuCommandsOpenTheirPages_data() {
  QTest::addColumn<Which>("which");
  QTest::addColumn<int>("menuKey");
  QTest::addColumn<int>("itemKey");  // 0: the entry is a command on the bar itself
  QTest::addColumn<QString>("command");
  QTest::addColumn<Page>("opened");
  for (const auto& [which, name, updateKey] : {std::tuple{Which::Casting, "casting", Qt::Key_C},
                                               std::tuple{Which::Result, "result", Qt::Key_U}}) {
    const auto row = [&](const char* command, Qt::Key menuKey, int itemKey, Page opened) {
      QTest::addRow("%s %s", name, command)
          << which << int(menuKey) << itemKey << QString::fromLatin1(command) << opened;
    };
    row("mnuOnline", Qt::Key_H, Qt::Key_O, Page::OnlineHelp);
    row("mnuVisit", Qt::Key_H, Qt::Key_V, Page::ForumHome);
    row("mnuUpdate", Qt::Key_H, updateKey, Page::UpdatePage);
    row("mnuDonate", Qt::Key_D, 0, Page::DonatePage);
  }
}

void WindowLinksTest::menuCommandsOpenTheirPages() {
  QFETCH(Which, which);
  QFETCH(int, menuKey);
  QFETCH(int, itemKey);
  QFETCH(QString, command);
  QFETCH(Page, opened);
  start(kFullBrandInFront);
  QMainWindow* window = reach(which);
  QVERIFY(window);
  auto* action = window->findChild<QAction*>(command);
  QVERIFY(action);
  QSignalSpy triggered(action, &QAction::triggered);

  if (itemKey == 0) {
    QTest::keyClick(window->windowHandle(), Qt::Key(menuKey), Qt::AltModifier);
  } else {
    QMenu* menu = openMenu(window, Qt::Key(menuKey));
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), QStringLiteral("mnuHelp"));
    QTest::keyClick(menu, Qt::Key(itemKey));
  }

  QCOMPARE(triggered.count(), 1);
  QCOMPARE(platform_->launcher.addresses, QStringList{page(opened)});
  QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
  QVERIFY(window->isVisible());
  QCOMPARE(program_->state(),
           which == Which::Casting ? Program::State::Casting : Program::State::Result);
}

void WindowLinksTest::makeMoneyOnlineCannotBeChosen_data() {
  QTest::addColumn<Which>("which");
  QTest::newRow("casting") << Which::Casting;
  QTest::newRow("result") << Which::Result;
}

// Neither its access key nor a click on the bar runs it; its place on the bar, if it is shown,
// belongs to nothing else either.
void WindowLinksTest::makeMoneyOnlineCannotBeChosen() {
  QFETCH(Which, which);
  start(kFullBrandInFront);
  QMainWindow* window = reach(which);
  QVERIFY(window);
  auto* makeMoney = window->findChild<QAction*>(QStringLiteral("mnumakemoney"));
  QVERIFY(makeMoney);
  QVERIFY(!makeMoney->isEnabled());
  QSignalSpy triggered(makeMoney, &QAction::triggered);

  QTest::keyClick(window->windowHandle(), Qt::Key_O, Qt::AltModifier);
  auto* bar = window->findChild<QMenuBar*>();
  const QRect onBar = bar->actionGeometry(makeMoney);
  if (makeMoney->isVisible() && !onBar.isEmpty()) {
    const QPoint point = bar->mapTo(window, onBar.center());
    QCOMPARE(window->childAt(point), bar);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, point);
  }
  QCOMPARE(triggered.count(), 0);
  QCOMPARE(platform_->launcher.addresses, QStringList{});
  QVERIFY(QApplication::activePopupWidget() == nullptr);
}

void WindowLinksTest::aboutIsModalAndLeavesItsOpenerAsItWas_data() {
  makeMoneyOnlineCannotBeChosen_data();
}

void WindowLinksTest::aboutIsModalAndLeavesItsOpenerAsItWas() {
  QFETCH(Which, which);
  start(kFullBrandInFront);
  QMainWindow* window = reach(which);
  QVERIFY(window);
  const Program::State stateBefore = program_->state();
  const QString captionBefore = proceedCaption(*program_);
  const QWidgetList windowsBefore = QApplication::topLevelWidgets();
  auto* label61 = window->findChild<QWidget*>(QStringLiteral("Label61"));
  QVERIFY(label61);
  const QPoint onLabel61 = label61->mapTo(window, label61->rect().center());

  QPointer<QWidget> about;
  QString aboutName;
  bool ownerless = false;
  bool appModal = false;
  QStringList openedWhileUp;
  // While the About window is up, the opener takes no input: its label and its Donate key do
  // nothing. Then Escape closes the About window.
  QTimer closer;
  int attempts = 0;
  closer.setInterval(0);
  connect(&closer, &QTimer::timeout, this, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
      if (++attempts > 1000) closer.stop();
      return;
    }
    closer.stop();
    about = modal;
    aboutName = modal->objectName();
    ownerless = modal->parentWidget() == nullptr;
    appModal = modal->windowModality() == Qt::ApplicationModal;
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, onLabel61);
    QTest::keyClick(window->windowHandle(), Qt::Key_D, Qt::AltModifier);
    openedWhileUp = platform_->launcher.addresses;
    QTest::keyClick(modal, Qt::Key_Escape);
  });

  QMenu* help = openMenu(window, Qt::Key_H);
  QVERIFY(help);
  closer.start();
  QTest::keyClick(help, Qt::Key_A);  // About opens once the menu is done with the item
  QTRY_VERIFY(!closer.isActive());

  QCOMPARE(aboutName, QStringLiteral("frmAbout"));
  QVERIFY(ownerless);
  QVERIFY(appModal);
  QCOMPARE(openedWhileUp, QStringList{});
  QVERIFY(about.isNull());  // destroyed when the command returned
  QVERIFY(QApplication::activeModalWidget() == nullptr);
  QCOMPARE(platform_->launcher.addresses, QStringList{});
  QVERIFY(window->isVisible());
  QCOMPARE(program_->state(), stateBefore);
  QCOMPARE(which == Which::Casting ? static_cast<QMainWindow*>(program_->castingWindow())
                                   : static_cast<QMainWindow*>(program_->resultWindow()),
           window);
  QCOMPARE(proceedCaption(*program_), captionBefore);
  settle();
  QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore.size());
}

void WindowLinksTest::castingLabelsOpenWhatIsInFront_data() {
  QTest::addColumn<float>("draw");
  QTest::addColumn<QString>("inFront");
  QTest::addColumn<Page>("opened");
  QTest::newRow("n = 1") << kCobrandInFront << QStringLiteral("lblCobrand") << Page::CoBrandPage;
  QTest::newRow("n = 2") << kFullBrandInFront << QStringLiteral("lblFullBrand")
                         << Page::FullyBrandedPage;
  QTest::newRow("n = 7") << kOrderLeftAlone << QStringLiteral("lblFullBrand")
                         << Page::FullyBrandedPage;
}

// The two stacked labels share one place: a click there opens the page of the one in front.
void WindowLinksTest::castingLabelsOpenWhatIsInFront() {
  QFETCH(float, draw);
  QFETCH(QString, inFront);
  QFETCH(Page, opened);
  start(draw);
  QMainWindow* window = reach(Which::Casting);
  QVERIFY(window);

  const auto click = [&](const char* name) -> QWidget* {
    auto* label = window->findChild<QWidget*>(QString::fromLatin1(name));
    if (label == nullptr) return nullptr;
    const QPoint point = label->mapTo(window, label->rect().center());
    QWidget* hit = window->childAt(point);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, point);
    return hit;
  };

  QWidget* hit = click("Label61");
  QVERIFY(hit);
  QCOMPARE(hit->objectName(), QStringLiteral("Label61"));
  QCOMPARE(platform_->launcher.addresses, QStringList{page(Page::ForumHome)});

  for (const char* stacked : {"lblCobrand", "lblFullBrand"}) {
    platform_->launcher.addresses.clear();
    hit = click(stacked);
    QVERIFY(hit);
    QCOMPARE(hit->objectName(), inFront);
    QCOMPARE(platform_->launcher.addresses, QStringList{page(opened)});
  }
  QCOMPARE(program_->state(), Program::State::Casting);
}

void WindowLinksTest::resultLabelsKeepTheirOrder_data() {
  QTest::addColumn<float>("draw");
  QTest::newRow("casting shows lblCobrand") << kCobrandInFront;
  QTest::newRow("casting shows lblFullBrand") << kFullBrandInFront;
}

// Whatever the casting window's choice, the result window's fully-branded label lies in front
// and a little lower: only the strip along the co-branding label's top edge reaches it.
void WindowLinksTest::resultLabelsKeepTheirOrder() {
  QFETCH(float, draw);
  start(draw);
  QMainWindow* window = reach(Which::Result);
  QVERIFY(window);

  struct Case {
    const char* label;
    bool topEdge;  // along the label's top edge rather than at its centre
    const char* hit;
    Page opened;
  };
  for (const Case& c : {Case{"Label61", false, "Label61", Page::ForumHome},
                        Case{"lblFullBrand", false, "lblFullBrand", Page::FullyBrandedPage},
                        Case{"lblCobrand", false, "lblFullBrand", Page::FullyBrandedPage},
                        Case{"lblCobrand", true, "lblCobrand", Page::CoBrandPage}}) {
    platform_->launcher.addresses.clear();
    auto* label = window->findChild<QWidget*>(QString::fromLatin1(c.label));
    QVERIFY(label);
    const QPoint local = c.topEdge ? QPoint(label->width() / 2, 0) : label->rect().center();
    const QPoint point = label->mapTo(window, local);
    QWidget* hit = window->childAt(point);
    QVERIFY(hit);
    QCOMPARE(hit->objectName(), QString::fromLatin1(c.hit));
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, point);
    QCOMPARE(platform_->launcher.addresses, QStringList{page(c.opened)});
  }
  QVERIFY(window->isVisible());
  QCOMPARE(program_->state(), Program::State::Result);
}

// Runs a fresh program to the given window, closes it the given way and reports what is left.
Aftermath WindowLinksTest::closeBy(Which which, const std::function<void(QMainWindow*)>& close) {
  start(kFullBrandInFront);
  QMainWindow* window = reach(which);
  if (window == nullptr) return {};
  QPointer<QMainWindow> closing = window;
  QSignalSpy unloaded(window, SIGNAL(unloaded()));
  close(window);
  settle();
  Aftermath after{program_->state(),
                  program_->castingWindow() != nullptr,
                  program_->castingWindow() != nullptr && program_->castingWindow()->isVisible(),
                  program_->resultWindow() != nullptr,
                  program_->resultWindow() != nullptr && program_->resultWindow()->isVisible(),
                  closing.isNull(),
                  unloaded.count(),
                  platform_->launcher.addresses};
  program_.reset();
  settle();
  return after;
}

void WindowLinksTest::exitClosesItsWindowLikeTheCloseBox_data() {
  makeMoneyOnlineCannotBeChosen_data();
}

void WindowLinksTest::exitClosesItsWindowLikeTheCloseBox() {
  QFETCH(Which, which);
  bool menuOpened = false;
  const Aftermath byExit = closeBy(which, [&](QMainWindow* window) {
    QMenu* file = openMenu(window, Qt::Key_F);
    if (file == nullptr) return;
    menuOpened = true;
    QTest::keyClick(file, Qt::Key_X);
  });
  QVERIFY(menuOpened);
  // The title bar's close box: the platform asks the window to close.
  const Aftermath byCloseBox =
      closeBy(which, [](QMainWindow* window) { window->windowHandle()->close(); });

  QCOMPARE(byExit, byCloseBox);
  QCOMPARE(byExit.state, Program::State::Leaving);
  QVERIFY(byExit.closedWindowDeleted);
  QCOMPARE(byExit.unloadedSignals, 1);
  QCOMPARE(byExit.addresses, QStringList{});
  QVERIFY(!byExit.resultOpen);
  if (which == Which::Result) {
    // The casting window, hidden since the result appeared, stays as it was.
    QVERIFY(byExit.castingOpen);
    QVERIFY(!byExit.castingVisible);
  } else {
    QVERIFY(!byExit.castingOpen);
  }
}

// "Back" has no access key: the File menu opens on it, and Enter chooses it.
void WindowLinksTest::backFromTheFileMenuReturnsToCasting() {
  start(kFullBrandInFront);
  QMainWindow* result = reach(Which::Result);
  QVERIFY(result);
  QPointer<QMainWindow> discarded = result;
  QMenu* file = openMenu(result, Qt::Key_F);
  QVERIFY(file);
  QCOMPARE(file->objectName(), QStringLiteral("mnuFile"));
  QVERIFY(file->activeAction());
  QCOMPARE(file->activeAction()->objectName(), QStringLiteral("mnuBack"));
  QTest::keyClick(file, Qt::Key_Return);
  settle();

  QVERIFY(discarded.isNull());
  QVERIFY(!program_->resultWindow());
  QVERIFY(program_->castingWindow()->isVisible());
  QCOMPARE(program_->state(), Program::State::Casting);
  QCOMPARE(proceedCaption(*program_), QStringLiteral("Click to Create Mother 1"));
  QCOMPARE(platform_->launcher.addresses, QStringList{});
}

QTEST_MAIN(WindowLinksTest)
#include "window_links_test.moc"
