// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QLabel>
#include <QPalette>

// A label that names what is wrong with the field beside it, in red. Through the palette: a style
// sheet would bring Qt's style-sheet machinery into the start of the program.
inline void showAsProblem(QLabel& label) {
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, QColor(0xc0, 0x00, 0x00));
  label.setPalette(palette);
  label.setWordWrap(true);
}
