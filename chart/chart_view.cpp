// SPDX-License-Identifier: MIT
#include "chart_view.h"

#include <QPainter>

#include "chart_painter.h"

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("chart"));
  setAccessibleName(QStringLiteral("Chart"));
  setAccessibleDescription(QStringLiteral("The chart as a picture; the judgement beside it says "
                                          "the same in words"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setMinimumSize(320, 240);
}

void ChartView::setLayout(formats::ChartLayout layout) {
  layout_ = std::move(layout);
  update();
}

QSize ChartView::sizeHint() const {
  return {900, 560};
}

void ChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().base());
  if (layout_.items.empty()) return;
  drawing::paintChart(painter, layout_, QRectF(rect()).adjusted(8, 8, -8, -8));
}
