// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

#include "chart_layout.h"

class QPainter;

// The chart drawn with QPainter from the same layout the SVG writer draws: the window, a saved
// image, a PDF and paper all show one picture. The SVG is the reference; what it shows, these draw.
namespace drawing {

// Every item of the layout in its own coordinates (pixels at a scale of 1) on a white ground;
// the caller's transform decides the size.
void paintChart(QPainter& painter, const formats::ChartLayout& layout);

// Where the chart stands, whole and in its proportions, centred in `target`; empty for an
// empty chart.
[[nodiscard]] QRectF fittedChartRect(const formats::ChartLayout& layout, const QRectF& target);

// The chart fitted into `target` (see fittedChartRect); the painter's state is kept.
void paintChart(QPainter& painter, const formats::ChartLayout& layout, const QRectF& target);

// The chart at `scale` times its size in pixels, opaque. Its device pixel ratio is `scale`, so
// that Qt shows it at the chart's own size; a saved PNG says so in its resolution (96 dpi times
// `scale`).
[[nodiscard]] QImage chartImage(const formats::ChartLayout& layout, double scale);

// A PDF of one page the chart's size (a pixel a 96th of an inch) with the chart drawn as vectors
// and its text as text; false when the file cannot be written.
bool writeChartPdf(const QString& path, const formats::ChartLayout& layout, const QString& title);

}  // namespace drawing
