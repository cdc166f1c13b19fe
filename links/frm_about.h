#pragma once

#include <QDialog>

class LinkLabel;
class QFrame;
class QLabel;
class QPushButton;

namespace links {
class LinkLauncher;
}

// The About window: the program's name and purpose and two links. Shown modally; OK, Enter,
// Escape and the close box close it. It does not delete itself: its owner keeps it for the time
// of exec() (the About command keeps it on the stack), so each About command makes a fresh one.
class frmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit frmAbout(links::LinkLauncher& launcher, QWidget* parent = nullptr);

  QLabel* Picture1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label1 = nullptr;  // element 0 of its control array; objectName "Label1"
  LinkLabel* lblHomePage = nullptr;
  QLabel* Label3 = nullptr;
  LinkLabel* lblCoBrand = nullptr;
  QFrame* Line1 = nullptr;  // element 2 of its control array; objectName "Line1"
  QPushButton* cmdOK = nullptr;

 public slots:
  void cmdOK_Click();
  void lblHomePage_Click();
  void lblCoBrand_Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void createHeading();
  void createTexts();
  void createLinks();
  void createRuleAndButton();
  void centreOnScreen();

  links::LinkLauncher& launcher_;
};
