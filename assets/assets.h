// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPixmap>

// The pictures compiled into the program: the two point pictures of the casting window and the
// program icon. Everything here needs a QGuiApplication.
namespace assets {

// Registers the pictures with Qt's resource system. The getters below call it themselves; it
// is safe to call any number of times.
void initAssets();

// Image 1 (the pixels of "1.jpg", one point) or image 2 (of "2.jpg", two points), 66 x 20
// pixels; a null pixmap for any other number.
[[nodiscard]] QPixmap pointPicture(int image);

// The program icon, in every size it is drawn in.
[[nodiscard]] QIcon programIcon();

// The same icon for the windows' title bars and the desktop: every size, read from its file
// each time it is asked for and kept nowhere, as the desktop keeps its own copy.
[[nodiscard]] QIcon windowIcon();

}  // namespace assets
