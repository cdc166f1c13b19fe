// SPDX-License-Identifier: MIT
#include "window_icon.h"

#include <QApplication>
#include <QIcon>
#include <QWidget>

#if defined(QXG_HAVE_XCB) && QT_CONFIG(xcb)
#define QXG_X11_ICON 1
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#endif

namespace {

#if defined(QXG_X11_ICON)

// Keeps Qt from handing the window's icon over once more while the application's icon is set.
class KeepsItsIcon final : public QObject {
 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    return event->type() == QEvent::ApplicationWindowIconChange;
  }
};

// The words of a ChangeProperty request besides its data, with the length word of a big request.
constexpr std::uint64_t kRequestHeaderWords = 7;

xcb_atom_t netWmIcon(xcb_connection_t* connection) {
  static constexpr char kName[] = "_NET_WM_ICON";
  const xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(connection, 0, sizeof kName - 1, static_cast<const char*>(kName));
  const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// One picture of the icon as one ChangeProperty request: its width and height, then its pixels,
// sent from where they lie. Whoever reads the property between two pictures finds a whole list.
void sendPicture(xcb_connection_t* connection, std::uint8_t mode, xcb_window_t window,
                 xcb_atom_t property, const QImage& picture) {
  std::uint32_t dimensions[] = {static_cast<std::uint32_t>(picture.width()),
                                static_cast<std::uint32_t>(picture.height())};
  const std::uint32_t pixels = dimensions[0] * dimensions[1];
  xcb_change_property_request_t request{};
  request.mode = mode;
  request.window = window;
  request.property = property;
  request.type = XCB_ATOM_CARDINAL;
  request.format = 32;
  request.data_len = 2 + pixels;
  // xcb writes before the first part it is given, and into the request itself; never into the
  // pixels.
  std::array<iovec, 5> parts{};
  parts[2] = {&request, sizeof request};
  parts[3] = {dimensions, sizeof dimensions};
  parts[4] = {const_cast<uchar*>(picture.constBits()), std::size_t{pixels} * 4};
  static constexpr xcb_protocol_request_t kChangeProperty{3, nullptr, XCB_CHANGE_PROPERTY, 1};
  (void)xcb_send_request(connection, 0, &parts[2], &kChangeProperty);
}

// Writes the window's _NET_WM_ICON as Qt would: for each of the icon's sizes in its order, the
// width, the height and the pixels as ARGB without premultiplied alpha. False leaves the icon to
// Qt: not X11 (or no X connection), a window not yet on the display or with an icon of its own, an
// icon without sizes, or a picture too large for one request (the largest comes first, so nothing
// has been written then).
bool handOverSizeBySize(QWidget& window, const QIcon& icon) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  const QList<QSize> sizes = icon.availableSizes();
  if (x11 == nullptr || window.internalWinId() == 0 || window.testAttribute(Qt::WA_SetWindowIcon) ||
      sizes.isEmpty()) {
    return false;
  }
  // The offscreen platform answers for X11 too, without a connection when no display is named.
  xcb_connection_t* connection = x11->connection();
  if (connection == nullptr) return false;
  const xcb_atom_t property = netWmIcon(connection);
  if (property == XCB_ATOM_NONE) return false;
  const std::uint64_t maximumWords = xcb_get_maximum_request_length(connection);
  const auto id = static_cast<xcb_window_t>(window.internalWinId());
  std::uint8_t mode = XCB_PROP_MODE_REPLACE;
  for (const QSize& size : sizes) {
    // The pixmap is gone by the end of this line, so the picture has one owner and changes its
    // format in place rather than into a copy.
    QImage picture = icon.pixmap(size).toImage();
    if (picture.isNull()) continue;
    picture.convertTo(QImage::Format_ARGB32);
    const std::uint64_t words = 2 + std::uint64_t{static_cast<std::uint32_t>(picture.width())} *
                                        static_cast<std::uint32_t>(picture.height());
    if (words + kRequestHeaderWords > maximumWords) return false;
    sendPicture(connection, mode, id, property, picture);
    mode = XCB_PROP_MODE_APPEND;
  }
  xcb_flush(connection);
  return mode == XCB_PROP_MODE_APPEND;
}

#endif

}  // namespace

bool setProgramIcon(QWidget& shown, const QIcon& icon) {
#if defined(QXG_X11_ICON)
  if (handOverSizeBySize(shown, icon)) {
    // The change reaches every window before setWindowIcon returns.
    KeepsItsIcon keep;
    shown.installEventFilter(&keep);
    QApplication::setWindowIcon(icon);
    shown.removeEventFilter(&keep);
    return true;
  }
#else
  (void)shown;
#endif
  QApplication::setWindowIcon(icon);
  return false;
}
