#include "program_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

#include "look.h"
#include "resume_next.h"
#include "window_commands.h"

namespace links {

ProgramWindow::ProgramWindow(const QString& name, QSize clientSize, MenuBarKind kind,
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

  menuBar_ = createMenuBar(kind, this);
  menuBar_->installEventFilter(this);
  setMenuBar(menuBar_);
  commands_ = new WindowCommands(launcher, *this);
  commands_->connectMenuBar(*menuBar_);
  if (auto* exit = menuBar_->findChild<QAction*>(QStringLiteral("mnuExit"))) {
    connect(exit, &QAction::triggered, this, &ProgramWindow::mnuExit_Click);
  }
  setFixedSize(sizeHint());
}

void ProgramWindow::connectPromotionLabels(const PromotionLabels& labels) {
  commands_->connectPromotionLabels(labels);
}

void ProgramWindow::mnuExit_Click() {
  close();
}

void ProgramWindow::closeEvent(QCloseEvent* event) {
  emit unloaded();
  event->accept();
}

void ProgramWindow::hideEvent(QHideEvent* event) {
  for (QMenu* menu : menuBar_->findChildren<QMenu*>()) {
    if (menu->isVisible()) menu->close();
  }
  QMainWindow::hideEvent(event);
}

// A click queued before the window went off screen still reaches its menu bar afterwards, directly
// or passed on by an open menu, and would open a menu of a window that is gone.
bool ProgramWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == menuBar_ && !isVisible()) {
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

}  // namespace links
