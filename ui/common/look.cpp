#include "look.h"

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

QString labelCaption(const QString& caption) {
  QString shown = caption;
  return shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

}  // namespace look
