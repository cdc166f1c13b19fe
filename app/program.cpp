// SPDX-License-Identifier: MIT
#include "program.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPixmapCache>
#include <functional>

#include "instance_lock.h"
#include "look.h"
#include "message_presenter.h"
#include "process_end.h"
#include "promotion_labels.h"
#include "skip_on_failure.h"
#include "update_reminder.h"

namespace {

using geomancy::skipOnFailure;

const QString kAlreadyRunning = QStringLiteral("Application is already running");

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

void Program::startProgram() {
  // The program ends through endProgram only: not when its last window closes, and not by Qt
  // closing the windows one by one when the desktop asks it to quit (the casting window's close
  // handling would then bring up the exit window).
  QGuiApplication::setQuitOnLastWindowClosed(false);
  QCoreApplication::instance()->installEventFilter(this);
  if (anotherInstanceRunning()) {
    skipOnFailure([&] { seams_.messages.inform(kAlreadyRunning); });
    endProgram();
    return;
  }
  skipOnFailure([&] { programState_.random.seed(geomancy::clockSeed()); });
  skipOnFailure([&] { checkUpdateReminder(seams_); });
  skipOnFailure([&] { showCastingWindow(); });
  skipOnFailure([&] {
    choosePromotion(programState_.random, promotionNumber_, casting_.touch().promotionLabels());
  });
}

bool Program::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) {
    if (state_ != State::Ended) endProgram();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

// A platform that cannot tell lets the program run.
bool Program::anotherInstanceRunning() {
  bool running = false;
  skipOnFailure([&] { running = seams_.instanceLock.anotherInstanceRunning(); });
  return running;
}

void Program::showCastingWindow() {
  CastingWindow& casting = casting_.touch();
  look::centreOnScreen(casting);
  showActive(casting);
  state_ = State::Casting;
}

void Program::endProgram() {
  ending_ = true;
  const std::function<void()> closers[] = {[this] { casting_.close(); },
                                           [this] { result_.close(); }, [this] { exit_.close(); }};
  for (const auto& close : closers) {
    skipOnFailure(close);
    // The exit window's close handling ends the program itself; this call does not resume.
    if (state_ == State::Ended) return;
  }
  state_ = State::Ended;
  skipOnFailure([&] { seams_.instanceLock.release(); });
  seams_.processEnd.endProcess(0);
}

std::unique_ptr<CastingWindow> Program::createCastingWindow() {
  auto window = std::make_unique<CastingWindow>(
      programState_, seams_.launcher,
      [this]() -> geomancy::DisplayFields& { return result_.touch(); });
  connect(window.get(), &CastingWindow::readingComplete, this, &Program::onReadingComplete);
  connect(window.get(), &CastingWindow::unloaded, this, &Program::onMainWindowUnloaded);
  return window;
}

std::unique_ptr<ResultWindow> Program::createResultWindow() {
  auto window = std::make_unique<ResultWindow>(seams_.launcher);
  connect(window.get(), &ResultWindow::backChosen, this, &Program::onBackChosen);
  connect(window.get(), &ResultWindow::unloaded, this, &Program::onMainWindowUnloaded);
  return window;
}

std::unique_ptr<ExitWindow> Program::createExitWindow() {
  auto window = std::make_unique<ExitWindow>(programState_.random, seams_.launcher, seams_.messages,
                                             referral_);
  connect(window.get(), &ExitWindow::exitChosen, this, &Program::endProgram);
  connect(window.get(), &ExitWindow::unloaded, this, &Program::endProgram);
  look::centreOnScreen(*window);
  return window;
}

void Program::onReadingComplete() {
  if (ending_) return;
  skipOnFailure([&] { casting_.hide(); });
  skipOnFailure([&] {
    ResultWindow& result = result_.touch();
    look::centreOnScreen(result);
    showActive(result);
  });
  skipOnFailure([&] { hideExitWindow(); });
  state_ = State::Result;
}

void Program::onBackChosen() {
  if (ending_) return;
  skipOnFailure([&] { casting_.touch().startNewReading(); });
  skipOnFailure([&] { showActive(casting_.touch()); });
  skipOnFailure([&] { result_.close(); });
  skipOnFailure([&] { hideExitWindow(); });
  state_ = State::Casting;
}

// The close handling of the casting and the result window: the exit window takes their place.
void Program::onMainWindowUnloaded() {
  if (ending_) return;
  skipOnFailure([&] { showExitWindow(); });
  state_ = State::Leaving;
}

void Program::showExitWindow() {
  showActive(exit_.touch());
}

// Loads the exit window if it is not loaded yet, and keeps it off the screen.
void Program::hideExitWindow() {
  exit_.touch().hide();
}
