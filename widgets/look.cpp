#include "look.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace look {

QFont verdana(double points, Weight weight, Underline underline) {
  QFont font(QStringLiteral("Verdana"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(weight == Weight::Bold);
  font.setUnderline(underline == Underline::Yes);
  return font;
}

void setColours(QWidget& widget, const QColor& background, const QColor& text) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::Base, background);
  palette.setColor(QPalette::Button, background);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
  setTextColour(widget, text);
}

void setTextColour(QWidget& widget, const QColor& text) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::ButtonText, text);
  widget.setPalette(palette);
}

bool textFits(const QWidget& widget) {
  if (const auto* label = qobject_cast<const QLabel*>(&widget); label && label->wordWrap()) {
    return label->heightForWidth(label->width()) <= label->height();
  }
  return widget.sizeHint().width() <= widget.width();
}

void shrinkToFit(QWidget& widget) {
  constexpr double kStep = 0.25;
  constexpr double kSmallest = 6.0;
  QFont font = widget.font();
  while (!textFits(widget) && font.pointSizeF() - kStep >= kSmallest) {
    font.setPointSizeF(font.pointSizeF() - kStep);
    widget.setFont(font);
  }
}

QString labelCaption(const QString& caption) {
  QString shown = caption;
  return shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

}  // namespace look
