#pragma once

#include <QObject>

class QMenuBar;
class QWidget;

namespace links {

class LinkLauncher;
struct PromotionLabels;

// The menu and label commands that the casting and the result window share. One per window,
// owned by it. Exit and Back are the window's own business and are not connected here.
class WindowCommands : public QObject {
  Q_OBJECT

 public:
  WindowCommands(LinkLauncher& launcher, QWidget& window);

  // Connects the page commands and About of a bar made by createMenuBar, found by objectName.
  void connectMenuBar(const QMenuBar& bar);
  void connectPromotionLabels(const PromotionLabels& labels);

 public slots:
  void Label61_Click();
  void lblCobrand_Click();
  void lblFullBrand_Click();
  void mnuOnline_Click();
  void mnuVisit_Click();
  void mnuUpdate_Click();
  // Shows the About window modally, without an owner, and returns when it has been closed.
  void mnuAbout_Click();
  void mnuDonate_Click();
  void mnumakemoney_Click();

 private:
  LinkLauncher& launcher_;
  QWidget& window_;
};

}  // namespace links
