// SPDX-License-Identifier: MIT
// The way from a menu command to the browser, end to end: the running program with the desktop's
// own link launcher, on a real X server where Qt hands each address to xdg-open. Run it through
// run_under_xvfb.sh, which provides a private X server and a stand-in xdg-open that writes every
// address it receives as one line of a record file, so that no browser ever starts.
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QWindow>
#include <QtTest>

#include "fake_platform.h"
#include "link_launcher.h"
#include "pages.h"
#include "program.h"

using web::Page;

namespace {

// Set by run_under_xvfb.sh: the record file, and the stand-in that must be the xdg-open found.
constexpr const char* kRecordVariable = "QXG_OPENED_RECORD";
constexpr const char* kStandInVariable = "QXG_STAND_IN_XDG_OPEN";

const geomancy::Figure kMothers[4] = {{1, 1, 2, 2}, {2, 1, 1, 1}, {1, 2, 2, 1}, {2, 2, 2, 1}};

// One menu command as a user chooses it: Alt and the bar entry's key, then the item's key
// (none for a command on the bar itself).
struct Command {
  const char* name;
  Qt::Key barKey;
  Qt::Key itemKey;
  Page opens;
};

constexpr Qt::Key kNoItem = Qt::Key_unknown;

constexpr Command kCastingCommands[] = {
    {"Online Help", Qt::Key_H, Qt::Key_O, Page::OnlineHelp},
    {"Visit Us Online", Qt::Key_H, Qt::Key_V, Page::ForumHome},
    {"Check for Software Update", Qt::Key_H, Qt::Key_C, Page::UpdatePage},
    {"Donate", Qt::Key_D, kNoItem, Page::DonatePage},
};

constexpr Command kResultCommands[] = {
    {"Online Help", Qt::Key_H, Qt::Key_O, Page::OnlineHelp},
    {"Visit Us Online", Qt::Key_H, Qt::Key_V, Page::ForumHome},
    {"Check for Software Update", Qt::Key_H, Qt::Key_U, Page::UpdatePage},
    {"Donate", Qt::Key_D, kNoItem, Page::DonatePage},
};

// The complete lines of the record; a line still being written is left for the next look.
QStringList recordedLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
  lines.removeLast();
  return lines;
}

}  // namespace

class DesktopLinksE2eTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();

  void castingWindowCommandsReachTheOpener();
  void resultWindowCommandsReachTheOpener();

 private:
  void run(QMainWindow* window, const Command& command);
  QMainWindow* activate(QMainWindow* window);

  QString record_;
  QStringList expected_;
  std::unique_ptr<FakePlatform> platform_;
  std::unique_ptr<DesktopLinkLauncher> launcher_;
  std::unique_ptr<Program> program_;
};

// Nothing runs unless the browser is out of reach: on X, with the stand-in as xdg-open.
void DesktopLinksE2eTest::initTestCase() {
  QApplication::setQuitOnLastWindowClosed(false);
  QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
  record_ = qEnvironmentVariable(kRecordVariable);
  const QString standIn = qEnvironmentVariable(kStandInVariable);
  QVERIFY2(!record_.isEmpty() && !standIn.isEmpty(), "run this test through run_under_xvfb.sh");
  QCOMPARE(QStandardPaths::findExecutable(QStringLiteral("xdg-open")), standIn);
  QVERIFY(QFile::exists(record_));
  expected_ = recordedLines(record_);
}

void DesktopLinksE2eTest::init() {
  platform_ = std::make_unique<FakePlatform>(std::vector<float>{0.2f});
  launcher_ = std::make_unique<DesktopLinkLauncher>();
  program_ = std::make_unique<Program>(platform_->seams(*launcher_));
  program_->startProgram();
}

void DesktopLinksE2eTest::cleanup() {
  program_.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  // Every address went out once, in order, and nothing else did.
  QCOMPARE(recordedLines(record_), expected_);
}

// No window manager runs on the private server: the test gives the window the focus that one
// would give it on showing.
QMainWindow* DesktopLinksE2eTest::activate(QMainWindow* window) {
  if (window == nullptr || !window->isVisible()) return nullptr;
  window->activateWindow();
  return QTest::qWaitForWindowActive(window) ? window : nullptr;
}

void DesktopLinksE2eTest::run(QMainWindow* window, const Command& command) {
  QVERIFY2(window->isActiveWindow(), command.name);
  const qsizetype before = recordedLines(record_).size();
  QTest::keyClick(window->windowHandle(), command.barKey, Qt::AltModifier);
  if (command.itemKey != kNoItem) {
    QTRY_VERIFY2(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr, command.name);
    QTest::keyClick(QApplication::activePopupWidget(), command.itemKey);
  }
  QTRY_COMPARE(recordedLines(record_).size(), before + 1);
  QCOMPARE(recordedLines(record_).constLast(), web::pageAddress(command.opens));
  expected_ << web::pageAddress(command.opens);
  QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
}

void DesktopLinksE2eTest::castingWindowCommandsReachTheOpener() {
  QMainWindow* casting = activate(program_->castingWindow());
  QVERIFY(casting);
  for (const Command& command : kCastingCommands) {
    run(casting, command);
    if (QTest::currentTestFailed()) return;
  }
}

void DesktopLinksE2eTest::resultWindowCommandsReachTheOpener() {
  for (const auto& mother : kMothers) platform_->random.appendFigure(mother);
  auto* proceed = program_->castingWindow()->findChild<QPushButton*>(QStringLiteral("cmdProceed"));
  QVERIFY(proceed);
  for (int press = 0; press < 16; ++press) proceed->click();
  QMainWindow* result = activate(program_->resultWindow());
  QVERIFY(result);
  for (const Command& command : kResultCommands) {
    run(result, command);
    if (QTest::currentTestFailed()) return;
  }
}

QTEST_MAIN(DesktopLinksE2eTest)
#include "desktop_links_e2e_test.moc"
