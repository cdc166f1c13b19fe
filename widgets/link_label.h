// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

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
