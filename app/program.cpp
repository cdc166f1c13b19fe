#include "program.h"

#include <QGuiApplication>
#include <QScreen>

#include "promotion.h"
#include "resume_next.h"

namespace {

using geomancy::resumeNext;

void centreOnScreen(QWidget& window) {
  if (const QScreen* screen = window.screen()) {
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
  }
}

}  // namespace

Program::Program(const Seams& seams)
    : seams_(seams),
      programState_(seams.random),
      result_([this] { return createResultWindow(); }),
      casting_([this] { return createCastingWindow(); }) {}

Program::~Program() = default;

void Program::StartProgram() {
  resumeNext([&] { programState_.random.seed(geomancy::clockSeed()); });
  resumeNext([&] {
    frmMain& casting = casting_.touch();
    centreOnScreen(casting);
    casting.show();
    casting.activateWindow();
    state_ = State::Casting;
  });
  resumeNext([&] {
    links::CoBrand_Randomize(programState_.random, programState_.intCoBrandRandomNumber,
                             casting_.touch().promotionLabels());
  });
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

void Program::onReadingComplete() {
  resumeNext([&] { casting_.hide(); });
  resumeNext([&] {
    frmDisplay& result = result_.touch();
    centreOnScreen(result);
    result.show();
    result.activateWindow();
  });
  resumeNext([&] { hideExitWindow(); });
  state_ = State::Result;
}

void Program::onBackChosen() {
  resumeNext([&] { casting_.touch().startNewReading(); });
  resumeNext([&] {
    casting_.touch().show();
    casting_.touch().activateWindow();
  });
  resumeNext([&] { result_.close(); });
  resumeNext([&] { hideExitWindow(); });
  state_ = State::Casting;
}

void Program::onMainWindowUnloaded() {
  resumeNext([&] { showExitWindow(); });
  state_ = State::Leaving;
}

// No exit window yet: closing the last window on screen ends the program.
void Program::showExitWindow() {}

void Program::hideExitWindow() {}
