// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

#include "window_menus.h"

class LinkLauncher;

// What the casting and the result window share: the program's title and base font, a client
// area of fixed size in the program's dark grey, the menu bar of the window's kind with its
// commands, and the close handling that the shell listens to.
class ProgramWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The area below the menu bar, where the window's controls are laid out.
  [[nodiscard]] QWidget& clientArea() const { return *client_; }
  [[nodiscard]] WindowMenus& menus() const { return *menus_; }

 signals:
  // The window is closing, by whatever means; the shell discards it afterwards.
  void unloaded();

 protected:
  ProgramWindow(const QString& name, QSize clientSize, WindowMenus::Kind kind,
                LinkLauncher& launcher, QWidget* parent);

  void closeEvent(QCloseEvent* event) override;
  // Closes the window's open menus: a window off screen shows none, and opens none.
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* client_ = nullptr;
  WindowMenus* menus_ = nullptr;
};
