// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <cstdint>

#include "casting_window.h"
#include "exit_window.h"
#include "program_state.h"
#include "referral_request.h"
#include "result_window.h"
#include "seams.h"
#include "window_slot.h"

// The program's shell: it brings the program up, decides what follows each window's events,
// keeps the windows' lifetimes, and ends the program. Its states:
//
//   Starting  nothing on screen (a message may be)  -> Casting; a second instance -> Ended
//   Casting   the casting window is on screen       last press -> Result; closing it -> Leaving
//   Result    the result window is on screen        Back -> Casting; closing it -> Leaving
//   Leaving   the exit window is on screen          closing it -> Ended
//   Ended     the process is over
class Program : public QObject {
  Q_OBJECT

 public:
  enum class State { Starting, Casting, Result, Leaving, Ended };

  explicit Program(const Seams& seams);
  ~Program() override;

  // Runs once at the start: refuses a second instance, seeds the random source, runs the update
  // reminder, shows the casting window and chooses its promotion label.
  void startProgram();

  [[nodiscard]] State state() const { return state_; }
  [[nodiscard]] geomancy::ProgramState& programState() { return programState_; }
  [[nodiscard]] std::int16_t promotionNumber() const { return promotionNumber_; }
  [[nodiscard]] CastingWindow* castingWindow() const { return casting_.get(); }
  [[nodiscard]] ResultWindow* resultWindow() const { return result_.get(); }
  [[nodiscard]] ExitWindow* exitWindow() const { return exit_.get(); }

 public slots:
  // Closes every open window, each running its close handling, and ends the process with
  // status 0. It may be entered again from a close handling; that call ends the process.
  void endProgram();

 protected:
  // A request from the desktop to quit (the application menu's Quit on macOS, the end of the
  // session) ends the program through endProgram, as the exit window's Exit does.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::unique_ptr<CastingWindow> createCastingWindow();
  std::unique_ptr<ResultWindow> createResultWindow();
  std::unique_ptr<ExitWindow> createExitWindow();

  [[nodiscard]] bool anotherInstanceRunning();
  void showCastingWindow();
  void onReadingComplete();
  void onBackChosen();
  void onMainWindowUnloaded();
  void showExitWindow();
  void hideExitWindow();

  Seams seams_;
  geomancy::ProgramState programState_;
  referral::Request referral_;
  // The promotion choice's draw, as the promotion labels were ordered by it.
  std::int16_t promotionNumber_ = 0;
  State state_ = State::Starting;
  // Set once endProgram has begun: the windows it closes must not bring the exit window back.
  bool ending_ = false;
  // Declared first, so destroyed last: the casting window reaches the result window's fields.
  WindowSlot<ExitWindow> exit_;
  WindowSlot<ResultWindow> result_;
  WindowSlot<CastingWindow> casting_;
};
