// SPDX-License-Identifier: MIT
// The yardstick of the start-up benchmark: a bare Qt window of the casting window's size, with
// one button and no menu, or with a menu bar of one item (--menu).
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <cstring>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const bool withMenu = argc > 1 && std::strcmp(argv[1], "--menu") == 0;
  QMainWindow window;
  auto* client = new QWidget(&window);
  client->setFixedSize(497, 506);  // the casting window's client area: 7455 x 7590 twips
  auto* button = new QPushButton(QStringLiteral("Click"), client);
  button->setGeometry(0, 416, 497, 33);
  window.setCentralWidget(client);
  if (withMenu)
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
  window.show();
  return QApplication::exec();
}
