// SPDX-License-Identifier: MIT
#include "look.h"

#include <QLabel>
#include <QPalette>
#include <QScreen>
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

QLabel* createTextLabel(QWidget& parent, const char* objectName, const QString& text,
                        const QRect& geometry) {
  auto* label = new QLabel(text, &parent);
  label->setObjectName(QString::fromLatin1(objectName));
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(geometry);
  return label;
}

void centreOnScreen(QWidget& window) {
  const QScreen* screen = window.screen();
  if (screen == nullptr) return;
  QRect frame = window.frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window.move(frame.topLeft());
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
