#include "program_window.h"

#include <QAction>
#include <QCloseEvent>
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

}  // namespace links
