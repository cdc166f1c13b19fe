// SPDX-License-Identifier: MIT
#include "program_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPaintDevice>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace {

// The chosen style's own icon, asked of it on first use. The option it was asked with is gone by
// then; the widget is passed on while it lasts. Sizes come in device pixels here, so the icon is
// asked at a ratio of 1; painting asks at the painter's ratio.
class DeferredStandardIcon final : public QIconEngine {
 public:
  DeferredStandardIcon(const ProgramStyle* style, QStyle::StandardPixmap which,
                       const QWidget* widget)
      : style_(style), which_(which), widget_(widget) {}

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().pixmap(size, 1.0, mode, state);
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatio() : 1.0;
    painter->drawPixmap(rect, icon().pixmap(rect.size(), ratio, mode, state));
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return pixmap(size, mode, state).size();
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return icon().availableSizes(mode, state);
  }
  // Known without making it: the styles draw every standard icon.
  [[nodiscard]] bool isNull() override { return false; }
  [[nodiscard]] QIconEngine* clone() const override {
    return new DeferredStandardIcon(style_, which_, widget_);
  }

 private:
  const QIcon& icon() {
    if (!made_) {
      // A style replaced in the meantime leaves the question to the application's style.
      const QStyle* source = style_ ? style_->baseStyle() : QApplication::style();
      icon_ = source->standardIcon(which_, nullptr, widget_);
      made_ = true;
    }
    return icon_;
  }

  QPointer<const ProgramStyle> style_;
  QStyle::StandardPixmap which_;
  QPointer<const QWidget> widget_;
  QIcon icon_;
  bool made_ = false;
};

}  // namespace

QIcon ProgramStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                 const QWidget* widget) const {
  if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton) {
    return QIcon(new DeferredStandardIcon(this, which, widget));
  }
  return QProxyStyle::standardIcon(which, option, widget);
}
