// SPDX-License-Identifier: MIT
#include "flat_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// The bevel's four lines, outer and inner, as light falling from the top left paints them.
struct Bevel {
  QColor outerLight, innerLight, innerShadow, outerShadow;
};

constexpr QColor kWhite(255, 255, 255);
constexpr QColor kBlack(0, 0, 0);
constexpr QColor kLight(223, 223, 223);
constexpr QColor kShadow(128, 128, 128);
constexpr Bevel kRaised{kWhite, kLight, kShadow, kBlack};
constexpr Bevel kSunken{kBlack, kShadow, kLight, kWhite};

void drawBevel(QPainter& painter, QRect box, const Bevel& bevel) {
  const auto edge = [&](const QRect& r, const QColor& light, const QColor& shadow) {
    painter.setPen(light);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(shadow);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
  };
  edge(box, bevel.outerLight, bevel.outerShadow);
  edge(box.adjusted(1, 1, -1, -1), bevel.innerLight, bevel.innerShadow);
}

}  // namespace

FlatButton::FlatButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void FlatButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const bool sunken = isDown() || isChecked();

  painter.fillRect(rect(), palette().color(QPalette::Button));
  QRect box = rect();
  if (hasFocus() || isDefault()) {
    // The button that Enter presses wears a black outline, as on classic desktops.
    painter.setPen(Qt::black);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    box.adjust(1, 1, -1, -1);
  }
  drawBevel(painter, box, sunken ? kSunken : kRaised);

  option.rect = box.adjusted(2, 2, -2, -2);
  if (sunken) {
    option.rect.translate(1, 1);
  }
  painter.drawControl(QStyle::CE_PushButtonLabel, option);
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = box.adjusted(3, 3, -3, -3);
    focus.backgroundColor = palette().color(QPalette::Button);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}
