// SPDX-License-Identifier: MIT
#include "chart_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "chart_layout.h"
#include "chart_painter.h"

namespace {

const QString kTitle = QStringLiteral("QX Geomancy Chart");

// The path chosen, with `suffix` added unless it already ends in one of `known`: a picture named
// chart.jpg is no JPEG. The dialog asked before replacing the file as named, so a file under the
// longer name is asked about here. Empty when nothing was chosen or the file is kept.
QString withSuffix(QWidget* over, QString path, const QString& suffix, const QStringList& known) {
  if (path.isEmpty() || known.contains(QFileInfo(path).suffix(), Qt::CaseInsensitive)) return path;
  path += QLatin1Char('.') + suffix;
  if (QFileInfo::exists(path) &&
      QMessageBox::question(over, kTitle,
                            QStringLiteral("\"%1\" already exists. Replace it?")
                                .arg(QDir::toNativeSeparators(path))) != QMessageBox::Yes) {
    return {};
  }
  return path;
}

}  // namespace

QString QtChartDialogs::journalToOpen(QWidget* over, const QString& current) {
  return QFileDialog::getOpenFileName(over, QStringLiteral("Open Journal"), current,
                                      QStringLiteral("Journals (*.jsonl);;All files (*)"));
}

ChartDialogs::Picture QtChartDialogs::pictureToSave(QWidget* over, const QString& suggested) {
  QString filter;
  Picture picture;
  const QString path = QFileDialog::getSaveFileName(
      over, QStringLiteral("Save Picture As"), suggested,
      QStringLiteral("SVG picture (*.svg);;PNG image (*.png)"), &filter);
  picture.path =
      withSuffix(over, path, filter.startsWith(QStringLiteral("PNG")) ? QStringLiteral("png")
                                                                      : QStringLiteral("svg"),
                 {QStringLiteral("svg"), QStringLiteral("png")});
  if (picture.path.isEmpty()) return picture;
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
  const QString path = QFileDialog::getSaveFileName(over, QStringLiteral("Export PDF"), suggested,
                                                    QStringLiteral("PDF documents (*.pdf)"));
  return withSuffix(over, path, QStringLiteral("pdf"), {QStringLiteral("pdf")});
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
