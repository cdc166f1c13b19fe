// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "chart_layout.h"

// The chart as the picture shows it, fitted to the widget with its proportions kept.
class ChartView final : public QWidget {
  Q_OBJECT

 public:
  explicit ChartView(QWidget* parent = nullptr);

  void setLayout(formats::ChartLayout layout);
  [[nodiscard]] const formats::ChartLayout& chartLayout() const noexcept { return layout_; }
  [[nodiscard]] QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  formats::ChartLayout layout_;
};
