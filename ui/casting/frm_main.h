#pragma once

#include <array>
#include <functional>

#include "figure.h"
#include "geomancy.h"
#include "program_window.h"
#include "promotion.h"

class FrameBox;
class QLabel;
class QPushButton;
class QWidget;

namespace geomancy {
struct ProgramState;
}

// The casting window: one button pressed again and again casts the Shield chart figure by figure,
// drawing each row as a point picture; the sixteenth press identifies the Judge.
class frmMain : public links::ProgramWindow {
  Q_OBJECT

 public:
  // Opens the result window's display fields, creating that window hidden on first use.
  using ResultFields = std::function<modGeomancy::DisplayFields&()>;

  frmMain(geomancy::ProgramState& state, links::LinkLauncher& launcher, ResultFields resultFields,
          QWidget* parent = nullptr);

  // The reset that starts a new reading: no point visible, the new-reading caption, an empty
  // chart and the counter at 0. Showing the window is the caller's.
  void startNewReading();

  [[nodiscard]] const links::PromotionLabels& promotionLabels() const { return promotion_; }

 signals:
  // The sixteenth press has identified the Judge into the result window's fields.
  void readingComplete();

 public slots:
  void cmdProceed_Click();

 private:
  void Form_Load();
  void createChart(QWidget& client);
  void createButtonAndPromotion(QWidget& client);
  void castFigure(int position);
  void drawRow(int index, geomancy::RowValue value);
  void describePanes();
  void showResult();

  geomancy::ProgramState& state_;
  ResultFields resultFields_;

  FrameBox* Frame1 = nullptr;
  std::array<QWidget*, 5> Picture1{};
  std::array<QLabel*, geomancy::kRowCount> picCircle{};
  QPushButton* cmdProceed = nullptr;
  FrameBox* Frame5 = nullptr;
  links::PromotionLabels promotion_;
};
