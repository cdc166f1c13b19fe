// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace formats {
struct ChartLayout;
}

// What the chart program asks of the user through the platform's own dialogs, and the problems it
// reports: the program uses the real ones, tests answer them.
class ChartDialogs {
 public:
  // A picture to save, and its scale when it is a PNG image.
  struct Picture {
    QString path;  // empty when the user chose none
    double scale = 1;
  };

  virtual ~ChartDialogs() = default;

  // The journal to open instead of `current`; empty when the user chose none.
  virtual QString journalToOpen(QWidget* over, const QString& current) = 0;
  virtual Picture pictureToSave(QWidget* over, const QString& suggested) = 0;
  virtual QString pdfToSave(QWidget* over, const QString& suggested) = 0;
  // The chart on paper, through the system's print dialog.
  virtual void print(QWidget* over, const formats::ChartLayout& layout) = 0;
  // A problem the user should know of, in words, with an OK button.
  virtual void report(QWidget* over, const QString& text) = 0;
};

class QtChartDialogs final : public ChartDialogs {
 public:
  QString journalToOpen(QWidget* over, const QString& current) override;
  Picture pictureToSave(QWidget* over, const QString& suggested) override;
  QString pdfToSave(QWidget* over, const QString& suggested) override;
  void print(QWidget* over, const formats::ChartLayout& layout) override;
  void report(QWidget* over, const QString& text) override;
};
