// SPDX-License-Identifier: MIT
#pragma once

class QLabel;
class QRect;
class QWidget;

// The program's icon as a picture box of a window ("Picture1"), drawn at the box's size.
[[nodiscard]] QLabel* createIconPicture(QWidget& parent, const QRect& geometry);
