// SPDX-License-Identifier: MIT
// How the program starts and ends, on fake seams: the order of the start, a second instance,
// the states of the program with the windows each shows, and endProgram entered again.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QWindow>
#include <QtTest>

#include "after_first_paint.h"
#include "fake_platform.h"
#include "program.h"

namespace {

const geomancy::Figure kMothers[4] = {{1, 1, 2, 2}, {2, 1, 1, 1}, {1, 2, 2, 1}, {2, 2, 2, 1}};

void settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The program's windows on screen, by name, in a fixed order.
QStringList visibleWindows() {
  QStringList names;
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible()) names << window->objectName();
  }
  names.sort();
  return names;
}

// Counts the windows shown while it lives.
class ShowCounter final : public QObject {
 public:
  ShowCounter() { qApp->installEventFilter(this); }
  ~ShowCounter() override { qApp->removeEventFilter(this); }
  QStringList shown;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Show && widget != nullptr && widget->isWindow()) {
      shown << widget->objectName();
    }
    return false;
  }
};

enum class Step {
  Read,
  Back,
  CloseCasting,
  ExitCasting,
  CloseResult,
  ExitResult,
  ExitButton,
  CloseExit
};

}  // namespace

Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(QList<Step>)
Q_DECLARE_METATYPE(Program::State)

class StartAndEndTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup();

  void theStartRunsInItsOrder();
  void aSecondInstanceOnlySaysSoAndEnds();
  void statesShowTheirWindows_data();
  void statesShowTheirWindows();
  void endProgramEnteredAgainEndsOnce_data();
  void endProgramEnteredAgainEndsOnce();
  void aClickQueuedBeforeAWindowWentOpensNoMenu_data();
  void aClickQueuedBeforeAWindowWentOpensNoMenu();
  void theLockFileKeepsOnlyRunningInstances();
  void workAfterTheFirstPaintWaitsForIt();

 private:
  void start();
  void take(Step step);

  std::unique_ptr<FakePlatform> platform_;
  std::unique_ptr<Program> program_;
};

void StartAndEndTest::cleanup() {
  program_.reset();
  settle();
  platform_.reset();
  QVERIFY(visibleWindows().isEmpty());
}

void StartAndEndTest::start() {
  platform_ = std::make_unique<FakePlatform>(std::vector<float>{0.5f});
  program_ = std::make_unique<Program>(platform_->seams());
  program_->startProgram();
}

void StartAndEndTest::take(Step step) {
  const auto chooseExit = [](QWidget* window) {
    window->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
  };
  switch (step) {
    case Step::Read:
      for (const auto& mother : kMothers) platform_->random.appendFigure(mother);
      for (int press = 0; press < 16; ++press) {
        program_->castingWindow()->findChild<QPushButton*>(QStringLiteral("cmdProceed"))->click();
      }
      break;
    case Step::Back:
      program_->resultWindow()->findChild<QPushButton*>(QStringLiteral("cmdBack"))->click();
      break;
    case Step::CloseCasting:
      program_->castingWindow()->windowHandle()->close();
      break;
    case Step::ExitCasting:
      chooseExit(program_->castingWindow());
      break;
    case Step::CloseResult:
      program_->resultWindow()->windowHandle()->close();
      break;
    case Step::ExitResult:
      chooseExit(program_->resultWindow());
      break;
    case Step::ExitButton:
      program_->exitWindow()->findChild<QPushButton*>(QStringLiteral("cmdClose"))->click();
      break;
    case Step::CloseExit:
      program_->exitWindow()->windowHandle()->close();
      break;
  }
  settle();
}

// The lock is asked first, the reminder's question comes after the seeding and before any
// window, and the promotion choice draws once the casting window is up.
void StartAndEndTest::theStartRunsInItsOrder() {
  platform_ = std::make_unique<FakePlatform>(std::vector<float>{0.5f});
  QSettings(platform_->settingsFile(), QSettings::IniFormat)
      .setValue(QStringLiteral("Settings/Duration"), QStringLiteral("11/17/2026"));
  program_ = std::make_unique<Program>(platform_->seams());
  struct Moment {
    int lockAsked;
    std::size_t seeds;
    std::size_t draws;
    bool castingOpen;
  };
  std::vector<Moment> moments;
  platform_->messages.answers = {MessageAnswer::No};
  platform_->messages.whileShown = [&] {
    moments.push_back(Moment{platform_->instanceLock.asked, platform_->random.seeds().size(),
                             platform_->random.drawsTaken(), program_->castingWindow() != nullptr});
  };
  program_->startProgram();

  QCOMPARE(moments.size(), std::size_t{1});
  QCOMPARE(moments[0].lockAsked, 1);
  QCOMPARE(moments[0].seeds, std::size_t{1});
  QCOMPARE(moments[0].draws, std::size_t{0});
  QVERIFY(!moments[0].castingOpen);
  QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmMain")});
  QCOMPARE(platform_->random.drawsTaken(), std::size_t{1});
  QCOMPARE(program_->promotionNumber(), std::int16_t{4});
  QCOMPARE(program_->state(), Program::State::Casting);
  QCOMPARE(QSettings(platform_->settingsFile(), QSettings::IniFormat)
               .value(QStringLiteral("Settings/Duration")),
           QStringLiteral("12/7/2026"));
  QVERIFY(!QGuiApplication::quitOnLastWindowClosed());
  QVERIFY(platform_->processEnd.statuses.isEmpty());
}

void StartAndEndTest::aSecondInstanceOnlySaysSoAndEnds() {
  platform_ = std::make_unique<FakePlatform>(std::vector<float>{0.5f});
  platform_->instanceLock.othersRunning = true;
  program_ = std::make_unique<Program>(platform_->seams());
  QStringList onScreenWhileShown;
  platform_->messages.whileShown = [&] { onScreenWhileShown = visibleWindows(); };
  program_->startProgram();

  QCOMPARE(platform_->messages.texts(),
           QStringList{QStringLiteral("Application is already running")});
  QCOMPARE(platform_->messages.shown.front().kind, MessageKind::Information);
  QVERIFY(platform_->messages.shown.front().over.isNull());
  QCOMPARE(onScreenWhileShown, QStringList{});
  QCOMPARE(platform_->processEnd.statuses, QList<int>{0});
  QCOMPARE(program_->state(), Program::State::Ended);
  // Nothing of the later steps ran: no seeding, no reminder, no window.
  QVERIFY(platform_->random.seeds().empty());
  QCOMPARE(platform_->random.drawsTaken(), std::size_t{0});
  QVERIFY(!QFile::exists(platform_->settingsFile()));
  QVERIFY(!program_->castingWindow());
  QVERIFY(!program_->exitWindow());
}

void StartAndEndTest::statesShowTheirWindows_data() {
  QTest::addColumn<QList<Step>>("steps");
  QTest::addColumn<Program::State>("state");
  QTest::addColumn<QStringList>("visible");
  QTest::addColumn<bool>("castingOpen");
  QTest::addColumn<bool>("resultOpen");
  using S = Step;
  using P = Program::State;
  const QStringList casting{QStringLiteral("frmMain")};
  const QStringList result{QStringLiteral("frmDisplay")};
  const QStringList exitWindow{QStringLiteral("frmExit")};
  QTest::newRow("start") << QList<Step>{} << P::Casting << casting << true << false;
  QTest::newRow("close box of casting")
      << QList{S::CloseCasting} << P::Leaving << exitWindow << false << false;
  QTest::newRow("Exit of casting")
      << QList{S::ExitCasting} << P::Leaving << exitWindow << false << false;
  QTest::newRow("casting closed mid-reading")
      << QList{S::Read, S::Back, S::CloseCasting} << P::Leaving << exitWindow << false << false;
  QTest::newRow("reading") << QList{S::Read} << P::Result << result << true << true;
  QTest::newRow("Back") << QList{S::Read, S::Back} << P::Casting << casting << true << false;
  QTest::newRow("close box of result")
      << QList{S::Read, S::CloseResult} << P::Leaving << exitWindow << true << false;
  QTest::newRow("Exit of result") << QList{S::Read, S::ExitResult} << P::Leaving << exitWindow
                                  << true << false;
  QTest::newRow("Exit button") << QList{S::CloseCasting, S::ExitButton} << P::Ended << QStringList{}
                               << false << false;
  QTest::newRow("close box of exit, casting hidden") << QList{S::Read, S::CloseResult, S::CloseExit}
                                                     << P::Ended << QStringList{} << false << false;
}

void StartAndEndTest::statesShowTheirWindows() {
  QFETCH(QList<Step>, steps);
  QFETCH(Program::State, state);
  QFETCH(QStringList, visible);
  QFETCH(bool, castingOpen);
  QFETCH(bool, resultOpen);
  start();
  for (const Step step : steps) take(step);

  QCOMPARE(program_->state(), state);
  QCOMPARE(visibleWindows(), visible);
  QCOMPARE(program_->castingWindow() != nullptr, castingOpen);
  QCOMPARE(program_->resultWindow() != nullptr, resultOpen);
  const bool ended = state == Program::State::Ended;
  QCOMPARE(platform_->processEnd.statuses, ended ? QList<int>{0} : QList<int>{});
  QCOMPARE(platform_->instanceLock.released, ended ? 1 : 0);
  if (ended) QVERIFY(!program_->exitWindow());
  QVERIFY(platform_->launcher.addresses.isEmpty());
}

void StartAndEndTest::endProgramEnteredAgainEndsOnce_data() {
  QTest::addColumn<QList<Step>>("steps");
  // The desktop's request to quit (Quit on macOS, the end of the session) ends the program the
  // same way, through endProgram, instead of Qt closing the windows and the exit window coming.
  QTest::addColumn<bool>("desktopQuits");
  QTest::newRow("from casting, exit window not loaded") << QList<Step>{} << false;
  QTest::newRow("from casting, exit window hidden") << QList{Step::Read, Step::Back} << false;
  QTest::newRow("from the result") << QList{Step::Read} << false;
  QTest::newRow("from leaving") << QList{Step::Read, Step::CloseResult} << false;
  QTest::newRow("desktop quits, casting") << QList<Step>{} << true;
  QTest::newRow("desktop quits, result") << QList{Step::Read} << true;
  QTest::newRow("desktop quits, leaving") << QList{Step::Read, Step::CloseResult} << true;
}

// endProgram closes the exit window, whose close handling enters endProgram again: the process
// ends once, with every window closed and none brought back.
void StartAndEndTest::endProgramEnteredAgainEndsOnce() {
  QFETCH(QList<Step>, steps);
  QFETCH(bool, desktopQuits);
  start();
  for (const Step step : steps) take(step);
  {
    ShowCounter counter;
    if (desktopQuits) {
      QEvent quit(QEvent::Quit);
      QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
    } else {
      program_->endProgram();
    }
    settle();
    QCOMPARE(counter.shown, QStringList{});
  }

  QCOMPARE(platform_->processEnd.statuses, QList<int>{0});
  QCOMPARE(platform_->instanceLock.released, 1);
  QCOMPARE(program_->state(), Program::State::Ended);
  QCOMPARE(visibleWindows(), QStringList{});
  QVERIFY(!program_->castingWindow());
  QVERIFY(!program_->resultWindow());
  QVERIFY(!program_->exitWindow());
}

void StartAndEndTest::aClickQueuedBeforeAWindowWentOpensNoMenu_data() {
  QTest::addColumn<bool>("reading");
  QTest::addColumn<bool>("onResult");
  QTest::addColumn<QString>("menu");
  QTest::addColumn<QStringList>("visible");
  const QStringList exitWindow{QStringLiteral("frmExit")};
  QTest::newRow("casting's Exit, File") << false << false << QStringLiteral("nuFile") << exitWindow;
  QTest::newRow("casting's Exit, Help")
      << false << false << QStringLiteral("mnuHelp") << exitWindow;
  QTest::newRow("result's Exit, File") << true << true << QStringLiteral("mnuFile") << exitWindow;
  QTest::newRow("result's Exit, Help") << true << true << QStringLiteral("mnuHelp") << exitWindow;
  QTest::newRow("casting hidden by the last press, File")
      << true << false << QStringLiteral("nuFile") << QStringList{QStringLiteral("frmDisplay")};
}

// A click on a menu title, queued while its window was on screen, arrives after the window has
// gone (closed by Exit, or hidden by the reading's last press): no menu opens, and the exit
// window still ends the program.
void StartAndEndTest::aClickQueuedBeforeAWindowWentOpensNoMenu() {
  QFETCH(bool, reading);
  QFETCH(bool, onResult);
  QFETCH(QString, menu);
  QFETCH(QStringList, visible);
  start();
  QWidget* window = program_->castingWindow();
  auto* bar = window->findChild<QMenuBar*>(QStringLiteral("menuBar"));
  if (reading) take(Step::Read);
  if (onResult) {
    window = program_->resultWindow();
    bar = window->findChild<QMenuBar*>(QStringLiteral("menuBar"));
  }
  const QPoint title = bar->actionGeometry(bar->findChild<QMenu*>(menu)->menuAction()).center();
  if (window->isVisible()) window->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
  QTest::mousePress(bar, Qt::LeftButton, {}, title);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, title);

  QCOMPARE(QApplication::activePopupWidget(), nullptr);
  settle();
  QCOMPARE(visibleWindows(), visible);
  if (visible == QStringList{QStringLiteral("frmExit")}) {
    take(Step::ExitButton);
    QCOMPARE(platform_->processEnd.statuses, QList<int>{0});
  }
}

// The real lock: held by a running instance (this process), left by one that has gone, and in a
// folder that cannot exist.
void StartAndEndTest::theLockFileKeepsOnlyRunningInstances() {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("QXFreeGeomancy.lock"));
  {
    LockFileInstanceLock first(path);
    LockFileInstanceLock second(path);
    QVERIFY(!first.anotherInstanceRunning());
    QVERIFY(second.anotherInstanceRunning());
    // However long the first has been running.
    QFile held(path);
    QVERIFY(held.open(QIODevice::ReadWrite));
    QVERIFY(held.setFileTime(QDateTime::currentDateTime().addDays(-2),
                             QFileDevice::FileModificationTime));
    held.close();
    QVERIFY(second.anotherInstanceRunning());
    QVERIFY(QFile::exists(path));
    first.release();
    QVERIFY(!QFile::exists(path));
    QVERIFY(!second.anotherInstanceRunning());
  }

  // A lock file as a killed instance leaves it: this machine's, naming a process that has gone.
  QByteArray ours;
  {
    const QString model = folder.filePath(QStringLiteral("model.lock"));
    LockFileInstanceLock held(model);
    QVERIFY(!held.anotherInstanceRunning());
    QFile file(model);
    QVERIFY(file.open(QIODevice::ReadOnly));
    ours = file.readAll();
  }
  QProcess gone;
  gone.start(QStringLiteral("true"), QStringList{});
  QVERIFY(gone.waitForStarted());
  const qint64 goneId = gone.processId();
  QVERIFY(gone.waitForFinished());
  QFile left(path);
  QVERIFY(left.open(QIODevice::WriteOnly));
  left.write(QByteArray::number(goneId) + ours.mid(ours.indexOf('\n')));
  left.close();
  LockFileInstanceLock next(path);
  QVERIFY(!next.anotherInstanceRunning());

  const QString notAFolder = folder.filePath(QStringLiteral("file"));
  QFile file(notAFolder);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.close();
  LockFileInstanceLock nowhere(notAFolder + QStringLiteral("/QXFreeGeomancy.lock"));
  QVERIFY(!nowhere.anotherInstanceRunning());
}

// Work put off until the first picture (the window icon) runs once, after that picture.
void StartAndEndTest::workAfterTheFirstPaintWaitsForIt() {
  QWidget window;
  window.resize(100, 100);
  int paints = 0;
  int runs = 0;
  int paintsBeforeRun = -1;
  struct PaintCounter final : QObject {
    int* paints;
    explicit PaintCounter(int* count) : paints(count) {}
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) ++*paints;
      return false;
    }
  } counter(&paints);
  window.installEventFilter(&counter);
  afterFirstPaint(window, [&] {
    ++runs;
    paintsBeforeRun = paints;
  });
  QCoreApplication::processEvents();
  QCOMPARE(runs, 0);
  window.show();
  QTRY_COMPARE(runs, 1);
  QCOMPARE(paintsBeforeRun, 1);
  window.update();
  QTRY_COMPARE(paints, 2);
  QCoreApplication::processEvents();
  QCOMPARE(runs, 1);
}

QTEST_MAIN(StartAndEndTest)
#include "start_and_end_test.moc"
