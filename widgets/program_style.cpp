#include "program_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace {

// The style's own icon, asked of the style on first use. The option it was asked with is gone by
// then; the widget is passed on while it lasts.
class DeferredStandardIcon final : public QIconEngine {
 public:
  DeferredStandardIcon(const QStyle* style, QStyle::StandardPixmap which, const QWidget* widget)
      : style_(style), which_(which), widget_(widget) {}

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().pixmap(size, mode, state);
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().actualSize(size, mode, state);
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
    if (!made_ && style_) icon_ = style_->standardIcon(which_, nullptr, widget_);
    made_ = true;
    return icon_;
  }

  QPointer<const QStyle> style_;
  QStyle::StandardPixmap which_;
  QPointer<const QWidget> widget_;
  QIcon icon_;
  bool made_ = false;
};

}  // namespace

QIcon ProgramStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                 const QWidget* widget) const {
  if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton) {
    return QIcon(new DeferredStandardIcon(baseStyle(), which, widget));
  }
  return QProxyStyle::standardIcon(which, option, widget);
}
