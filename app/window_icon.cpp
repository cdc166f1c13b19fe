#include "window_icon.h"

#include <QApplication>
#include <QIcon>
#include <QWidget>

#if defined(QXG_HAVE_XCB) && QT_CONFIG(xcb)
#define QXG_X11_ICON 1
#include <xcb/xcb.h>

#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <cstdint>
#include <cstdlib>
#include <memory>
#endif

namespace {

#if defined(QXG_X11_ICON)

// Keeps Qt from handing the window's icon over once more when the application's icon is set.
class KeepsItsIcon final : public QObject {
 public:
  explicit KeepsItsIcon(QObject* window) : QObject(window) {}

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

// Writes the window's _NET_WM_ICON as Qt would: for each of the icon's sizes in its order, the
// width, the height and the pixels as ARGB without premultiplied alpha. False leaves the icon to
// Qt: not X11, a window not yet on the display, an icon without sizes, or a picture too large
// for one request (the largest comes first, so nothing has been written then).
bool handOverSizeBySize(QWidget& window, const QIcon& icon) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  const QList<QSize> sizes = icon.availableSizes();
  if (x11 == nullptr || window.internalWinId() == 0 || sizes.isEmpty()) return false;
  xcb_connection_t* connection = x11->connection();
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
    const auto width = static_cast<std::uint32_t>(picture.width());
    const auto height = static_cast<std::uint32_t>(picture.height());
    if (std::uint64_t{width} * height + kRequestHeaderWords > maximumWords) return false;
    const std::uint32_t dimensions[] = {width, height};
    xcb_change_property(connection, mode, id, property, XCB_ATOM_CARDINAL, 32, 2, dimensions);
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, property, XCB_ATOM_CARDINAL, 32,
                        width * height, picture.constBits());
    mode = XCB_PROP_MODE_APPEND;
  }
  xcb_flush(connection);
  return mode == XCB_PROP_MODE_APPEND;
}

#endif

}  // namespace

void setProgramIcon(QWidget& shown, const QIcon& icon) {
#if defined(QXG_X11_ICON)
  if (handOverSizeBySize(shown, icon)) shown.installEventFilter(new KeepsItsIcon(&shown));
#else
  (void)shown;
#endif
  QApplication::setWindowIcon(icon);
}
