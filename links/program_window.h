#pragma once

#include <QMainWindow>

#include "menus.h"

class QMenuBar;

namespace links {

class LinkLauncher;
class WindowCommands;
struct PromotionLabels;

// What the casting and the result window share: the program's title and base font, a client
// area of fixed size in the program's dark grey, the menu bar of the window's kind with the
// commands both windows offer, Exit, and the close handling that the shell listens to.
class ProgramWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The area below the menu bar, where the window's controls are laid out.
  [[nodiscard]] QWidget& clientArea() const { return *client_; }
  [[nodiscard]] QMenuBar& menus() const { return *menuBar_; }

 signals:
  // The window is closing, by whatever means; the shell discards it afterwards.
  void unloaded();

 public slots:
  // Closes the window exactly as its close box does.
  void mnuExit_Click();

 protected:
  ProgramWindow(const QString& name, QSize clientSize, MenuBarKind kind, LinkLauncher& launcher,
                QWidget* parent);

  void connectPromotionLabels(const PromotionLabels& labels);
  void closeEvent(QCloseEvent* event) override;
  // Closes the window's open menus: a window off screen shows none, and opens none.
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* client_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  WindowCommands* commands_ = nullptr;
};

}  // namespace links
