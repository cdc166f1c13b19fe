// When the desktop program refuses to start for want of a display.
#include "display_check.h"

#include <QtTest>
#include <map>

class DisplayCheckTest : public QObject {
  Q_OBJECT

 private slots:
  void decidesFromTheEnvironment_data();
  void decidesFromTheEnvironment();
};

void DisplayCheckTest::decidesFromTheEnvironment_data() {
  QTest::addColumn<QString>("platform");
  QTest::addColumn<QString>("x11");
  QTest::addColumn<QString>("wayland");
  QTest::addColumn<QString>("waylandSocket");
  QTest::addColumn<bool>("missing");
  QTest::newRow("nothing set") << ""
                               << ""
                               << ""
                               << "" << true;
  QTest::newRow("X11 session") << ""
                               << ":0"
                               << ""
                               << "" << false;
  QTest::newRow("Wayland session") << ""
                                   << ""
                                   << "wayland-0"
                                   << "" << false;
  QTest::newRow("xcb asked, no X11") << "xcb"
                                     << ""
                                     << "wayland-0"
                                     << "" << true;
  QTest::newRow("xcb asked with options") << "xcb:foo"
                                          << ":1"
                                          << ""
                                          << "" << false;
  QTest::newRow("wayland asked, no Wayland") << "wayland"
                                             << ":0"
                                             << ""
                                             << "" << true;
  QTest::newRow("offscreen needs nothing") << "offscreen"
                                           << ""
                                           << ""
                                           << "" << false;
  // Qt tries the plug-ins of a list in turn: one that can run is enough.
  QTest::newRow("wayland, then xcb, in an X11 session") << "wayland;xcb"
                                                        << ":0"
                                                        << ""
                                                        << "" << false;
  QTest::newRow("xcb, then wayland, in a Wayland session") << "xcb:foo;wayland"
                                                           << ""
                                                           << "wayland-0"
                                                           << "" << false;
  QTest::newRow("a list of which none can run") << "wayland;xcb"
                                                << ""
                                                << ""
                                                << "" << true;
  // A compositor may start its client on a connection of its own, named by WAYLAND_SOCKET alone.
  QTest::newRow("Wayland connection handed over") << ""
                                                  << ""
                                                  << ""
                                                  << "3" << false;
  QTest::newRow("wayland asked, connection handed over") << "wayland"
                                                         << ""
                                                         << ""
                                                         << "3" << false;
  QTest::newRow("a list of empty names") << ";;"
                                         << ":0"
                                         << ""
                                         << "" << false;
}

void DisplayCheckTest::decidesFromTheEnvironment() {
  QFETCH(QString, platform);
  QFETCH(QString, x11);
  QFETCH(QString, wayland);
  QFETCH(QString, waylandSocket);
  QFETCH(bool, missing);
  const std::map<std::string, std::string> environment{
      {"QT_QPA_PLATFORM", platform.toStdString()},
      {"DISPLAY", x11.toStdString()},
      {"WAYLAND_DISPLAY", wayland.toStdString()},
      {"WAYLAND_SOCKET", waylandSocket.toStdString()}};
  QCOMPARE(displayMissing([&](const char* name) { return environment.at(name); }), missing);
}

QTEST_APPLESS_MAIN(DisplayCheckTest)
#include "display_check_test.moc"
