#pragma once

#include <QLabel>

// A label that works as a link: it shows the pointing hand and reports a click with the left
// mouse button. Its caption is plain text; it never has an access key.
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(const QString& caption, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};
