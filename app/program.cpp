#include "program.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPixmapCache>
#include <QScreen>
#include <functional>

#include "instance_lock.h"
#include "message_presenter.h"
#include "process_end.h"
#include "promotion.h"
#include "resume_next.h"
#include "update_reminder.h"

namespace {

using geomancy::resumeNext;

const QString kAlreadyRunning = QStringLiteral("Application is already running");

void centreOnScreen(QWidget& window) {
  if (const QScreen* screen = window.screen()) {
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
  }
}

void showActive(QWidget& window) {
  window.show();
  window.activateWindow();
}

}  // namespace

Program::Program(const Seams& seams)
    : seams_(seams),
      programState_(seams.random),
      exit_([this] { return createExitWindow(); }),
      result_([this] { return createResultWindow(); }),
      casting_([this] { return createCastingWindow(); }) {
  // The style caches pictures of controls under names made from their palettes, which no later
  // window shares, and the cache keeps every name it was given, even once cleared: with a result
  // window made and discarded per reading, memory would grow with every reading. The program
  // draws little and keeps no picture in that cache.
  QPixmapCache::setCacheLimit(0);
}

Program::~Program() = default;

void Program::StartProgram() {
  // The program ends through EndProgram only: not when its last window closes, and not by Qt
  // closing the windows one by one when the desktop asks it to quit (the casting window's close
  // handling would then bring up the exit window).
  QGuiApplication::setQuitOnLastWindowClosed(false);
  QCoreApplication::instance()->installEventFilter(this);
  if (anotherInstanceRunning()) {
    resumeNext([&] { seams_.messages.inform(kAlreadyRunning); });
    EndProgram();
    return;
  }
  resumeNext([&] { programState_.random.seed(geomancy::clockSeed()); });
  resumeNext([&] { CheckUpdateReminder(seams_); });
  resumeNext([&] { showCastingWindow(); });
  resumeNext([&] {
    links::CoBrand_Randomize(programState_.random, programState_.intCoBrandRandomNumber,
                             casting_.touch().promotionLabels());
  });
}

bool Program::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) {
    if (state_ != State::Ended) EndProgram();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

// A platform that cannot tell lets the program run.
bool Program::anotherInstanceRunning() {
  bool running = false;
  resumeNext([&] { running = seams_.instanceLock.anotherInstanceRunning(); });
  return running;
}

void Program::showCastingWindow() {
  frmMain& casting = casting_.touch();
  centreOnScreen(casting);
  showActive(casting);
  state_ = State::Casting;
}

void Program::EndProgram() {
  ending_ = true;
  const std::function<void()> closers[] = {[this] { casting_.close(); },
                                           [this] { result_.close(); }, [this] { exit_.close(); }};
  for (const auto& close : closers) {
    resumeNext(close);
    // The exit window's close handling ends the program itself; this call does not resume.
    if (state_ == State::Ended) return;
  }
  state_ = State::Ended;
  resumeNext([&] { seams_.instanceLock.release(); });
  seams_.processEnd.endProcess(0);
}

std::unique_ptr<frmMain> Program::createCastingWindow() {
  auto window = std::make_unique<frmMain>(
      programState_, seams_.launcher,
      [this]() -> modGeomancy::DisplayFields& { return result_.touch(); });
  connect(window.get(), &frmMain::readingComplete, this, &Program::onReadingComplete);
  connect(window.get(), &frmMain::unloaded, this, &Program::onMainWindowUnloaded);
  return window;
}

std::unique_ptr<frmDisplay> Program::createResultWindow() {
  auto window = std::make_unique<frmDisplay>(seams_.launcher);
  connect(window.get(), &frmDisplay::backChosen, this, &Program::onBackChosen);
  connect(window.get(), &frmDisplay::unloaded, this, &Program::onMainWindowUnloaded);
  return window;
}

std::unique_ptr<frmExit> Program::createExitWindow() {
  auto window =
      std::make_unique<frmExit>(programState_.random, seams_.launcher, seams_.messages, referral_);
  connect(window.get(), &frmExit::exitChosen, this, &Program::EndProgram);
  connect(window.get(), &frmExit::unloaded, this, &Program::EndProgram);
  centreOnScreen(*window);
  return window;
}

void Program::onReadingComplete() {
  if (ending_) return;
  resumeNext([&] { casting_.hide(); });
  resumeNext([&] {
    frmDisplay& result = result_.touch();
    centreOnScreen(result);
    showActive(result);
  });
  resumeNext([&] { hideExitWindow(); });
  state_ = State::Result;
}

void Program::onBackChosen() {
  if (ending_) return;
  resumeNext([&] { casting_.touch().startNewReading(); });
  resumeNext([&] { showActive(casting_.touch()); });
  resumeNext([&] { result_.close(); });
  resumeNext([&] { hideExitWindow(); });
  state_ = State::Casting;
}

// The close handling of the casting and the result window: the exit window takes their place.
void Program::onMainWindowUnloaded() {
  if (ending_) return;
  resumeNext([&] { showExitWindow(); });
  state_ = State::Leaving;
}

void Program::showExitWindow() {
  showActive(exit_.touch());
}

// Loads the exit window if it is not loaded yet, and keeps it off the screen.
void Program::hideExitWindow() {
  exit_.touch().hide();
}
