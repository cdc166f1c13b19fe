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
  QTest::addColumn<bool>("missing");
  QTest::newRow("nothing set") << ""
                               << ""
                               << "" << true;
  QTest::newRow("X11 session") << ""
                               << ":0"
                               << "" << false;
  QTest::newRow("Wayland session") << ""
                                   << ""
                                   << "wayland-0" << false;
  QTest::newRow("xcb asked, no X11") << "xcb"
                                     << ""
                                     << "wayland-0" << true;
  QTest::newRow("xcb asked with options") << "xcb:foo"
                                          << ":1"
                                          << "" << false;
  QTest::newRow("wayland asked, no Wayland") << "wayland"
                                             << ":0"
                                             << "" << true;
  QTest::newRow("offscreen needs nothing") << "offscreen"
                                           << ""
                                           << "" << false;
}

void DisplayCheckTest::decidesFromTheEnvironment() {
  QFETCH(QString, platform);
  QFETCH(QString, x11);
  QFETCH(QString, wayland);
  QFETCH(bool, missing);
  const std::map<std::string, std::string> environment{{"QT_QPA_PLATFORM", platform.toStdString()},
                                                       {"DISPLAY", x11.toStdString()},
                                                       {"WAYLAND_DISPLAY", wayland.toStdString()}};
  QCOMPARE(displayMissing([&](const char* name) { return environment.at(name); }), missing);
}

QTEST_APPLESS_MAIN(DisplayCheckTest)
#include "display_check_test.moc"
