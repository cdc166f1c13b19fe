// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

// How a window lives: it comes into being, hidden, the first time anything of it is touched;
// hiding keeps it and its contents; closing runs its close handling (the window's `unloaded`
// signal) and discards it. The next touch creates a fresh one.
template <typename Window>
class WindowSlot {
 public:
  using Factory = std::function<std::unique_ptr<Window>()>;

  explicit WindowSlot(Factory factory) : factory_(std::move(factory)) {}
  WindowSlot(const WindowSlot&) = delete;
  WindowSlot& operator=(const WindowSlot&) = delete;
  ~WindowSlot() { delete window_.data(); }

  // The window, created hidden if it is not open.
  Window& touch() {
    if (window_.isNull()) {
      window_ = factory_().release();
      QObject::connect(window_.data(), &Window::unloaded, window_.data(),
                       [this, window = window_.data()] { discard(window); });
    }
    return *window_;
  }

  // The window if it is open, hidden or visible; nullptr otherwise.
  [[nodiscard]] Window* get() const { return window_.data(); }
  [[nodiscard]] bool isOpen() const { return !window_.isNull(); }

  void hide() {
    if (isOpen()) window_->hide();
  }
  // Closes the window; its close handling runs and it is discarded.
  void close() {
    if (isOpen()) window_->close();
  }

 private:
  // A closing window is still inside its own close event: it is deleted once that is over.
  void discard(Window* window) {
    if (window_.data() == window) window_.clear();
    window->deleteLater();
  }

  Factory factory_;
  QPointer<Window> window_;
};
