#pragma once

#include <array>

#include "geomancy.h"
#include "program_window.h"
#include "promotion.h"

class FrameBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The result window: the Judge's name and catalogue texts under fixed captions, with Back.
// It computes nothing; its ten display fields are written from outside.
class frmDisplay : public links::ProgramWindow, public modGeomancy::DisplayFields {
  Q_OBJECT

 public:
  explicit frmDisplay(links::LinkLauncher& launcher, QWidget* parent = nullptr);

  void setDisplayField(modGeomancy::DisplayField field, std::string_view text) override;
  [[nodiscard]] QString displayField(modGeomancy::DisplayField field) const;

 signals:
  // Back was chosen, by the button, its access key or File > Back.
  void backChosen();

 public slots:
  void cmdBack_Click();
  void mnuBack_Click();

 private:
  void createFrames(QWidget& client);
  void createCaptions();
  void createValueFields();
  void createBackAndPromotion();
  void connectBack();
  void setTabOrderAndFocus();
  [[nodiscard]] QLabel* valueLabel(modGeomancy::DisplayField field) const;

  FrameBox* Frame2 = nullptr;
  FrameBox* Frame3 = nullptr;
  FrameBox* Frame5 = nullptr;
  QLabel* lblGeomancyName = nullptr;
  QLabel* lblKeyword = nullptr;
  QLabel* lblAssociatedDay = nullptr;
  QLabel* lblAssociatedElement = nullptr;
  QLabel* lblAssociatedQuality = nullptr;
  QLabel* lblAssociatedPlanet = nullptr;
  QLabel* lblAssociatedSign = nullptr;
  QLabel* lblAssociatedBodyPart = nullptr;
  QLabel* lblDirection = nullptr;
  std::array<QLabel*, modGeomancy::kDisplayFieldCount - 1> valueLabels_{};
  QPlainTextEdit* txtSignificance = nullptr;
  QPushButton* cmdBack = nullptr;
  links::PromotionLabels promotion_;
};
