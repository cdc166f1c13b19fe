// SPDX-License-Identifier: MIT
#include "frame_box.h"

#include <QPainter>

namespace {
constexpr int kCaptionIndent = 6;
constexpr int kCaptionPadding = 2;
}  // namespace

FrameBox::FrameBox(const QString& caption, QWidget* parent)
    : QWidget(parent), caption_(caption), captionFont_(font()) {
  setAutoFillBackground(true);
  setAccessibleName(caption);
}

FrameBox* createFrameBox(QWidget& parent, const char* objectName, const QString& caption,
                         const QRect& geometry) {
  auto* frame = new FrameBox(caption, &parent);
  frame->setObjectName(QString::fromLatin1(objectName));
  frame->setGeometry(geometry);
  return frame;
}

void FrameBox::setCaptionFont(const QFont& font) {
  captionFont_ = font;
  update();
}

void FrameBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics(captionFont_);
  const int borderTop = caption_.isEmpty() ? 0 : metrics.height() / 2;
  QRect border = rect().adjusted(0, borderTop, -1, -1);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(border);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(border.adjusted(1, 1, 1, 1));
  if (caption_.isEmpty()) {
    return;
  }
  const QRect text(kCaptionIndent, 0, metrics.horizontalAdvance(caption_) + 2 * kCaptionPadding,
                   metrics.height());
  painter.fillRect(text, palette().color(QPalette::Window));
  painter.setFont(captionFont_);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(text, Qt::AlignCenter, caption_);
}
