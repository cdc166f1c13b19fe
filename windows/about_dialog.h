// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class LinkLauncher;
class QPushButton;

// The About window: the program's name and purpose and two links. Shown modally; OK, Enter,
// Escape and the close box close it. It does not delete itself: its owner keeps it for the time
// of exec() (the About command keeps it on the stack), so each About command makes a fresh one.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(LinkLauncher& launcher, QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void createHeading();
  void createTexts();
  void createLinks();
  void createRuleAndButton();

  LinkLauncher& launcher_;
  QPushButton* okButton_ = nullptr;
};
