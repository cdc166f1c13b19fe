#pragma once

#include <QMainWindow>
#include <array>

#include "geomancy.h"
#include "promotion.h"

class FrameBox;
class QLabel;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;

namespace links {
class LinkLauncher;
class WindowCommands;
}  // namespace links

// The result window: the Judge's name and catalogue texts under fixed captions, with Back.
// It computes nothing; its ten display fields are written from outside.
class frmDisplay : public QMainWindow, public modGeomancy::DisplayFields {
  Q_OBJECT

 public:
  explicit frmDisplay(links::LinkLauncher& launcher, QWidget* parent = nullptr);

  void setDisplayField(modGeomancy::DisplayField field, std::string_view text) override;
  [[nodiscard]] QString displayField(modGeomancy::DisplayField field) const;

 signals:
  // Back was chosen, by the button, its access key or File > Back.
  void backChosen();
  // The window is closing, by whatever means; it is discarded afterwards.
  void unloaded();

 public slots:
  void cmdBack_Click();
  void mnuBack_Click();
  void mnuExit_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void createFrames(QWidget& client);
  void createCaptions();
  void createValueFields();
  void createBackAndPromotion(links::LinkLauncher& launcher);
  void createMenus();
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
  QMenuBar* menuBar_ = nullptr;
  links::WindowCommands* commands_ = nullptr;
};
