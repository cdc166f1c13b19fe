// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

// A push button whose face is one flat colour, the palette's Button colour, on every style,
// with a raised bevel that sinks while pressed and a dotted rectangle round the caption while
// the button has the focus. Styles such as Fusion paint a gradient over the palette colour;
// the windows ask for a plain face.
class FlatButton : public QPushButton {
  Q_OBJECT

 public:
  explicit FlatButton(const QString& text, QWidget* parent = nullptr);
  explicit FlatButton(QWidget* parent = nullptr) : FlatButton(QString(), parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};
