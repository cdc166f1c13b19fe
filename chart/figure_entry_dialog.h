// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <array>
#include <optional>

#include "figure_mask.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// The user's own casting, for those who cast with sand, dice, cards or pen: either sixteen counts
// of marks, four lines for each Mother from the head down (an odd count is one point, an even
// count two), or the Mothers' points clicked or typed a row at a time. OK is offered once all
// sixteen rows are known; a wrong count is named beside its field.
class FigureEntryDialog final : public QDialog {
  Q_OBJECT

 public:
  using Mothers = std::array<geomancy::FigureMask, geomancy::kMotherCount>;

  explicit FigureEntryDialog(QWidget* parent = nullptr);

  // The Mothers entered, once every row is known.
  [[nodiscard]] std::optional<Mothers> mothers() const;

  // Why a count cannot be taken, or nothing: whole numbers from 1 to 999.
  [[nodiscard]] static QString countProblem(const QString& count);

 private:
  static constexpr int kRows = geomancy::kMotherCount * geomancy::kRowsPerFigure;

  QWidget* createCountsPage();
  QWidget* createPointsPage();
  void updateAcceptance();
  [[nodiscard]] std::optional<Mothers> mothersFromCounts() const;
  [[nodiscard]] std::optional<Mothers> mothersFromPoints() const;

  QTabWidget* pages_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
  std::array<QLineEdit*, kRows> counts_{};
  std::array<QLabel*, kRows> problems_{};
  std::array<QPushButton*, kRows> points_{};
};
