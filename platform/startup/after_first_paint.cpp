// SPDX-License-Identifier: MIT
#include "after_first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaintWatcher final : public QObject {
 public:
  FirstPaintWatcher(QWidget& window, std::function<void()> action)
      : QObject(&window), action_(std::move(action)) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched == parent()) {
      watched->removeEventFilter(this);
      // The paint is still under way: the action waits until it is done and on screen.
      QTimer::singleShot(0, parent(), std::move(action_));
      deleteLater();
    }
    return false;
  }

 private:
  std::function<void()> action_;
};

}  // namespace

void afterFirstPaint(QWidget& window, std::function<void()> action) {
  new FirstPaintWatcher(window, std::move(action));
}
