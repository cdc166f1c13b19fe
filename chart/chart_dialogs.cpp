// SPDX-License-Identifier: MIT
#include "chart_dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "chart_layout.h"
#include "chart_painter.h"

namespace {

const QString kTitle = QStringLiteral("QX Geomancy Chart");

}  // namespace

QString QtChartDialogs::journalToOpen(QWidget* over, const QString& current) {
  return QFileDialog::getOpenFileName(over, QStringLiteral("Open Journal"), current,
                                      QStringLiteral("Journals (*.jsonl);;All files (*)"));
}

ChartDialogs::Picture QtChartDialogs::pictureToSave(QWidget* over, const QString& suggested) {
  QString filter;
  Picture picture;
  picture.path = QFileDialog::getSaveFileName(
      over, QStringLiteral("Save Picture As"), suggested,
      QStringLiteral("SVG picture (*.svg);;PNG image (*.png)"), &filter);
  if (picture.path.isEmpty()) return picture;
  if (QFileInfo(picture.path).suffix().isEmpty()) {
    picture.path += filter.startsWith(QStringLiteral("PNG")) ? QStringLiteral(".png")
                                                               : QStringLiteral(".svg");
  }
  if (picture.path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
    const QStringList scales{QStringLiteral("100 %"), QStringLiteral("125 %"),
                             QStringLiteral("150 %"), QStringLiteral("200 %")};
    bool chosen = false;
    const QString scale = QInputDialog::getItem(over, kTitle, QStringLiteral("Scale of the image:"),
                                                scales, 0, false, &chosen);
    if (!chosen) return {};
    picture.scale = scale.chopped(2).toDouble() / 100;
  }
  return picture;
}

QString QtChartDialogs::pdfToSave(QWidget* over, const QString& suggested) {
  QString path = QFileDialog::getSaveFileName(over, QStringLiteral("Export PDF"), suggested,
                                              QStringLiteral("PDF documents (*.pdf)"));
  if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
  return path;
}

void QtChartDialogs::print(QWidget* over, const formats::ChartLayout& layout) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(kTitle);
  QPrintDialog dialog(&printer, over);
  if (dialog.exec() != QDialog::Accepted) return;
  QPainter painter(&printer);
  // The painter starts at the printable area's corner.
  drawing::paintChart(painter, layout,
                      QRectF(QPointF(), printer.pageLayout().paintRectPixels(printer.resolution()).size()));
}

void QtChartDialogs::report(QWidget* over, const QString& text) {
  QMessageBox::warning(over, kTitle, text);
}
