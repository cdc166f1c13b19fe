// SPDX-License-Identifier: MIT
#pragma once

class QIcon;
class QWidget;

// Makes `icon` the icon of the program's windows, starting with `shown`, which is on the screen.
//
// On X11, Qt hands a window's icon to the desktop as one list of every size, made while it still
// holds the picture of the size at hand and a copy of it: three copies of our 256-pixel picture
// at once, about 0.6 MiB above what the program needs a moment before and after. The shown
// window's icon is handed over a size at a time instead, in Qt's order and with Qt's pixels, one
// picture in memory at a time; windows made later get the icon from Qt. Elsewhere Qt hands over
// every window's icon. True when the shown window's icon went size by size.
bool setProgramIcon(QWidget& shown, const QIcon& icon);
