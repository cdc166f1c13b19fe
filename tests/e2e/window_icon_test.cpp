// SPDX-License-Identifier: MIT
// The program's icon as an X11 desktop receives it: the casting window's icon, handed over a size
// at a time, must be the very property Qt writes for the same icon, and Qt must not write it
// again. Run it through run_under_xvfb.sh, which provides a private X server.
#include "window_icon.h"

#include <xcb/xcb.h>

#include <QApplication>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <QtTest>
#include <cstdlib>
#include <memory>

#include "assets.h"

namespace {

// An icon that counts the pictures asked of it.
class CountingEngine final : public QIconEngine {
 public:
  CountingEngine(QIcon icon, int* asked) : icon_(std::move(icon)), asked_(asked) {}
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    ++*asked_;
    return icon_.pixmap(size, mode, state);
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    icon_.paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return icon_.availableSizes(mode, state);
  }
  [[nodiscard]] QIconEngine* clone() const override { return new CountingEngine(icon_, asked_); }

 private:
  QIcon icon_;
  int* asked_;
};

// Half-transparent colours, which do not survive premultiplying unchanged: Qt's rounding must be
// matched, not merely its layout. The sizes come smallest first.
QIcon translucentIcon() {
  QIcon icon;
  for (int side : {5, 40, 17}) {
    QImage image(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y) {
      for (int x = 0; x < side; ++x)
        image.setPixel(x, y, qRgba(x * 37, y * 11, 200, (x * y) % 256));
    }
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

QByteArray iconProperty(const QWidget& window) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11->connection();
  static constexpr char kName[] = "_NET_WM_ICON";
  const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
      xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof kName - 1, kName),
                            nullptr),
      &std::free);
  const xcb_get_property_cookie_t cookie =
      xcb_get_property(connection, 0, static_cast<xcb_window_t>(window.winId()), atom->atom,
                       XCB_ATOM_CARDINAL, 0, 1u << 24);
  const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
      xcb_get_property_reply(connection, cookie, nullptr), &std::free);
  if (!reply) return {};
  return {static_cast<const char*>(xcb_get_property_value(reply.get())),
          xcb_get_property_value_length(reply.get())};
}

void showAndWait(QWidget& window) {
  window.resize(120, 80);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
}

}  // namespace

class WindowIconTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY2(qGuiApp->nativeInterface<QNativeInterface::QX11Application>() != nullptr,
             "needs the xcb platform");
  }

  void sameAsQtsOwnAndWrittenOnce_data() {
    QTest::addColumn<QIcon>("icon");
    QTest::addColumn<bool>("shownFirst");
    QTest::newRow("the program's icon") << assets::windowIcon() << true;
    QTest::newRow("translucent, smallest first") << translucentIcon() << true;
    QTest::newRow("window not yet shown: Qt's way") << assets::windowIcon() << false;
  }

  void sameAsQtsOwnAndWrittenOnce() {
    QFETCH(QIcon, icon);
    QFETCH(bool, shownFirst);
    QWidget byQt;
    byQt.setWindowIcon(icon);
    showAndWait(byQt);
    const QByteArray expected = iconProperty(byQt);
    QVERIFY(expected.size() > 8);

    int asked = 0;
    const QIcon counted(new CountingEngine(icon, &asked));
    QWidget shown;
    if (shownFirst) showAndWait(shown);
    // Size by size where the window is on the display; Qt's own way where it is not yet.
    QCOMPARE(setProgramIcon(shown, counted), shownFirst);
    if (!shownFirst) showAndWait(shown);
    QCoreApplication::processEvents();
    QCOMPARE(iconProperty(shown), expected);
    // Each picture asked for once: Qt did not hand the icon over a second time.
    if (shownFirst) QCOMPARE(asked, icon.availableSizes().size());

    // Windows made later take the application's icon from Qt.
    QWidget later;
    showAndWait(later);
    QCOMPARE(iconProperty(later), expected);
    QApplication::setWindowIcon(QIcon());
  }
};

QTEST_MAIN(WindowIconTest)
#include "window_icon_test.moc"
