// SPDX-License-Identifier: MIT
// x_bind_keysym KEYSYM [SHIFTED]: gives a keysym (a number, such as 0xeb for "ë") a key of its
// own on the X server, the shifted keysym on the same key's second level. xdotool types a
// character that no key carries by binding a spare key for one stroke and unbinding it straight
// after; a program that reads the new key map only once the key is unbound again then receives
// nothing. With the character on a key of its own for good, xdotool simply presses that key.
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using Reply = std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)>;

// The highest key that carries no keysym at all, or 0.
xcb_keycode_t spareKey(const xcb_setup_t& setup, const xcb_get_keyboard_mapping_reply_t& map) {
  const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(&map);
  const int perKey = map.keysyms_per_keycode;
  for (int key = setup.max_keycode; key >= setup.min_keycode; --key) {
    const xcb_keysym_t* first = keysyms + (key - setup.min_keycode) * perKey;
    bool empty = true;
    for (int level = 0; level < perKey; ++level) empty = empty && first[level] == 0;
    if (empty) return static_cast<xcb_keycode_t>(key);
  }
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2 && argc != 3) {
    std::fputs("usage: x_bind_keysym KEYSYM [SHIFTED]\n", stderr);
    return 2;
  }
  const auto keysym = static_cast<xcb_keysym_t>(std::stoul(argv[1], nullptr, 0));
  const auto shifted =
      argc == 3 ? static_cast<xcb_keysym_t>(std::stoul(argv[2], nullptr, 0)) : keysym;
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection) != 0) {
    std::fputs("x_bind_keysym: cannot open the display\n", stderr);
    return 1;
  }
  const xcb_setup_t* setup = xcb_get_setup(connection);
  const auto keys = static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1);
  const Reply map(
      xcb_get_keyboard_mapping_reply(
          connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, keys), nullptr),
      &std::free);
  const xcb_keycode_t key = map ? spareKey(*setup, *map) : 0;
  if (key == 0) {
    std::fputs("x_bind_keysym: no spare key\n", stderr);
    xcb_disconnect(connection);
    return 1;
  }
  std::vector<xcb_keysym_t> levels(map->keysyms_per_keycode, 0);
  levels.at(0) = keysym;
  if (levels.size() > 1) levels[1] = shifted;
  const xcb_void_cookie_t cookie = xcb_change_keyboard_mapping_checked(
      connection, 1, key, map->keysyms_per_keycode, levels.data());
  std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
      xcb_request_check(connection, cookie), &std::free);
  xcb_disconnect(connection);
  if (error) {
    std::fputs("x_bind_keysym: the server refused the new key map\n", stderr);
    return 1;
  }
  return 0;
}
