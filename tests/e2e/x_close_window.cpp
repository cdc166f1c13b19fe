// SPDX-License-Identifier: MIT
// x_close_window WINDOW: asks an X window to close, as the close box of a title bar does: the
// window manager's WM_DELETE_WINDOW message, sent straight to the window. For tests that run
// the program on a private X server without a window manager.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
  const xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  if (reply == nullptr) return XCB_ATOM_NONE;
  const xcb_atom_t value = reply->atom;
  std::free(reply);
  return value;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fputs("usage: x_close_window WINDOW\n", stderr);
    return 2;
  }
  const auto window = static_cast<xcb_window_t>(std::stoul(argv[1], nullptr, 0));
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection) != 0) {
    std::fputs("x_close_window: cannot open the display\n", stderr);
    return 1;
  }
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = atom(connection, "WM_PROTOCOLS");
  message.data.data32[0] = atom(connection, "WM_DELETE_WINDOW");
  message.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                 reinterpret_cast<const char*>(&message));
  // A round trip before leaving: the server may drop requests it has not read when the
  // connection closes, and this message would be lost now and then.
  xcb_get_input_focus_reply_t* reply =
      xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
  const int failed = reply == nullptr ? 1 : 0;
  std::free(reply);
  xcb_disconnect(connection);
  return failed;
}
