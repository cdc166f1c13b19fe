// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

class QColor;

// A label that works as a link: it shows the pointing hand and reports a click with the left
// mouse button. Its caption is plain text; it never has an access key. To assistive technology
// (a screen reader) it is a link, named by its accessible name or else its caption, with one
// action, Press, that follows it as a click does.
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(const QString& caption, QWidget* parent = nullptr);

  // Follows the link as a click does.
  void follow();

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

// A link one line high, in bold underlined Verdana of the given size and colour, with its
// objectName and geometry, made a child of `parent`. A caption too wide for its line steps its
// font down rather than being cut or wrapped out of sight.
LinkLabel* createLinkLine(QWidget& parent, const char* objectName, const QString& caption,
                          const QRect& geometry, double points, const QColor& colour);
