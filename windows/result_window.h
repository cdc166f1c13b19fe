// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "display_fields.h"
#include "program_window.h"
#include "promotion_labels.h"

class FrameBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The result window: the Judge's name and catalogue texts under fixed captions, with Back.
// It computes nothing; its ten display fields are written from outside.
class ResultWindow : public ProgramWindow, public geomancy::DisplayFields {
  Q_OBJECT

 public:
  explicit ResultWindow(LinkLauncher& launcher, QWidget* parent = nullptr);

  void setDisplayField(geomancy::DisplayField field, std::string_view text) override;
  [[nodiscard]] QString displayField(geomancy::DisplayField field) const;

 signals:
  // Back was chosen, by the button, its access key or File > Back.
  void backChosen();

 private:
  void createFrames(QWidget& client);
  void createCaptions();
  void createValueFields();
  void createBackAndPromotion(LinkLauncher& launcher);
  void setTabOrderAndFocus();
  [[nodiscard]] QLabel* valueLabel(geomancy::DisplayField field) const;

  FrameBox* forumFrame_ = nullptr;
  FrameBox* resultsFrame_ = nullptr;
  FrameBox* promotionFrame_ = nullptr;
  // The nine value labels in display order, as the fields are numbered.
  std::array<QLabel*, geomancy::kDisplayFieldCount - 1> valueLabels_{};
  QPlainTextEdit* significanceBox_ = nullptr;
  QPushButton* backButton_ = nullptr;
  PromotionLabels promotion_;
};
