// SPDX-License-Identifier: MIT
#include "link_label.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

#include "look.h"

namespace {

// What a screen reader finds in a link label: a link it can follow.
class AccessibleLink final : public QAccessibleWidget {
 public:
  explicit AccessibleLink(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

  [[nodiscard]] QString text(QAccessible::Text kind) const override {
    const QString own = QAccessibleWidget::text(kind);
    if (kind == QAccessible::Name && own.isEmpty()) return label().text();
    return own;
  }

  [[nodiscard]] QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.linked = true;
    return state;
  }

  [[nodiscard]] QStringList actionNames() const override { return {pressAction()}; }

  void doAction(const QString& action) override {
    if (action == pressAction()) label().follow();
  }

 private:
  [[nodiscard]] LinkLabel& label() const { return *static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* accessibleLink(const QString& className, QObject* object) {
  if (className == QLatin1String("LinkLabel") && object != nullptr && object->isWidgetType()) {
    return new AccessibleLink(static_cast<LinkLabel*>(object));
  }
  return nullptr;
}

}  // namespace

LinkLabel* createLinkLine(QWidget& parent, const char* objectName, const QString& caption,
                          const QRect& geometry, double points, const QColor& colour) {
  auto* label = new LinkLabel(caption, &parent);
  label->setObjectName(QString::fromLatin1(objectName));
  label->setWordWrap(false);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setFont(look::verdana(points, look::Weight::Bold, look::Underline::Yes));
  look::setTextColour(*label, colour);
  label->setGeometry(geometry);
  look::shrinkToFit(*label);
  return label;
}

LinkLabel::LinkLabel(const QString& caption, QWidget* parent)
    : QLabel(look::labelCaption(caption), parent) {
  static const bool installed = [] {
    QAccessible::installFactory(accessibleLink);
    return true;
  }();
  (void)installed;
  setTextFormat(Qt::PlainText);
  setCursor(Qt::PointingHandCursor);
  setWordWrap(true);
}

void LinkLabel::follow() {
  emit clicked();
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
  if (click) follow();
}
