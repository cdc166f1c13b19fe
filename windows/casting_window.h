// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <functional>

#include "display_fields.h"
#include "figure.h"
#include "program_window.h"
#include "promotion_labels.h"

class QLabel;
class QPushButton;
class QWidget;

namespace geomancy {
struct ProgramState;
}

// The casting window: one button pressed again and again casts the Shield chart figure by figure,
// drawing each row as a point picture; the sixteenth press identifies the Judge.
class CastingWindow : public ProgramWindow {
  Q_OBJECT

 public:
  // Opens the result window's display fields, creating that window hidden on first use.
  using ResultFields = std::function<geomancy::DisplayFields&()>;

  CastingWindow(geomancy::ProgramState& state, LinkLauncher& launcher, ResultFields resultFields,
                QWidget* parent = nullptr);

  // The reset that starts a new reading: no point visible, the new-reading caption, an empty
  // chart and the counter at 0. Showing the window is the caller's.
  void startNewReading();

  [[nodiscard]] const PromotionLabels& promotionLabels() const { return promotion_; }

 signals:
  // The sixteenth press has identified the Judge into the result window's fields.
  void readingComplete();

 public slots:
  // One press of the button: the next figure, or after the fifteenth the Judge identified.
  void proceed();

 private:
  void createChart(QWidget& client);
  void createButtonAndPromotion(QWidget& client, LinkLauncher& launcher);
  void hidePointPictures();
  void castFigure(int position);
  void drawRow(int index, geomancy::RowValue value);
  void describePanes();
  void showResult();

  geomancy::ProgramState& state_;
  ResultFields resultFields_;

  std::array<QWidget*, 5> panes_{};  // Mothers, Daughters, Nieces, Witnesses, Judge
  std::array<QLabel*, geomancy::kRowCount> pointPictures_{};  // one a row, by row store index
  QPushButton* proceedButton_ = nullptr;
  PromotionLabels promotion_;
};
