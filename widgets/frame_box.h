// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QWidget>

// A frame as the program's windows draw it: its own background, a thin border, and an optional
// caption standing in the top border line. The caption has a font of its own, so that the
// controls inside keep theirs.
class FrameBox : public QWidget {
  Q_OBJECT

 public:
  explicit FrameBox(const QString& caption, QWidget* parent = nullptr);

  [[nodiscard]] QString caption() const { return caption_; }
  void setCaptionFont(const QFont& font);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  QFont captionFont_;
};

// A frame box with its objectName and geometry, made a child of `parent`.
FrameBox* createFrameBox(QWidget& parent, const char* objectName, const QString& caption,
                         const QRect& geometry);
