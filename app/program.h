#pragma once

#include <QObject>

#include "frm_display.h"
#include "frm_main.h"
#include "program_state.h"
#include "seams.h"
#include "window_slot.h"

// The program's shell: it brings the program up, decides what follows each window's events,
// and keeps the windows' lifetimes. Its states:
//
//   Casting  the casting window is on screen    last press -> Result; closing it -> Leaving
//   Result   the result window is on screen     Back -> Casting; closing it -> Leaving
//   Leaving  the exit window is on screen       closing it -> Ended
//   Ended    the process is over
class Program : public QObject {
  Q_OBJECT

 public:
  enum class State { Starting, Casting, Result, Leaving, Ended };

  explicit Program(const Seams& seams);
  ~Program() override;

  void StartProgram();

  [[nodiscard]] State state() const { return state_; }
  [[nodiscard]] geomancy::ProgramState& programState() { return programState_; }
  [[nodiscard]] frmMain* castingWindow() const { return casting_.get(); }
  [[nodiscard]] frmDisplay* resultWindow() const { return result_.get(); }

 private:
  std::unique_ptr<frmMain> createCastingWindow();
  std::unique_ptr<frmDisplay> createResultWindow();

  void onReadingComplete();
  void onBackChosen();
  void onMainWindowUnloaded();
  void showExitWindow();
  void hideExitWindow();

  Seams seams_;
  geomancy::ProgramState programState_;
  State state_ = State::Starting;
  // Declared first, so destroyed last: the casting window reaches the result window's fields.
  WindowSlot<frmDisplay> result_;
  WindowSlot<frmMain> casting_;
};
