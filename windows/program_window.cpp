// SPDX-License-Identifier: MIT
#include "program_window.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

#include "closing.h"
#include "look.h"

ProgramWindow::ProgramWindow(const QString& name, QSize clientSize, WindowMenus::Kind kind,
                             LinkLauncher& launcher, QWidget* parent)
    : QMainWindow(parent) {
  setObjectName(name);
  setWindowTitle(look::kWindowTitle);
  setFont(look::verdana(8.25));

  client_ = new QWidget(this);
  client_->setObjectName(name + QStringLiteral("Client"));
  client_->setFixedSize(clientSize);
  look::setColours(*client_, look::kDarkGrey, look::kLightOrange);
  setCentralWidget(client_);

  menus_ = new WindowMenus(kind, launcher, *this);
  menus_->bar().installEventFilter(this);
  setMenuBar(&menus_->bar());
  setFixedSize(sizeHint());
}

void ProgramWindow::closeEvent(QCloseEvent* event) {
  reportClosing(*this, *event);
}

void ProgramWindow::hideEvent(QHideEvent* event) {
  for (QMenu* menu : menus_->bar().findChildren<QMenu*>()) {
    if (menu->isVisible()) menu->close();
  }
  QMainWindow::hideEvent(event);
}

// A click queued before the window went off screen still reaches its menu bar afterwards, directly
// or passed on by an open menu, and would open a menu of a window that is gone.
bool ProgramWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &menus_->bar() && !isVisible()) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseMove:
        return true;
      default:
        break;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}
