#include "link_label.h"

#include <QMouseEvent>

#include "look.h"

LinkLabel::LinkLabel(const QString& caption, QWidget* parent)
    : QLabel(look::labelCaption(caption), parent) {
  setTextFormat(Qt::PlainText);
  setCursor(Qt::PointingHandCursor);
  setWordWrap(true);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click) {
    emit clicked();
  }
}
