// SPDX-License-Identifier: MIT
#include "figure_entry_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QVBoxLayout>

#include "problem_label.h"

namespace {

using geomancy::kMotherCount;
using geomancy::kRowsPerFigure;

constexpr std::array<const char*, kRowsPerFigure> kRowNames{"head", "neck", "body", "feet"};
constexpr int kMostMarks = 999;

// "mother-row": the objectName suffix of a row's field, both counted from 1.
QString rowName(int mother, int row) {
  return QStringLiteral("%1_%2").arg(mother + 1).arg(row + 1);
}

QString rowDescription(int mother, int row) {
  return QStringLiteral("Mother %1, %2").arg(mother + 1).arg(QLatin1String(kRowNames[row]));
}

// Row `at` (Mother 1's head first) of one point: its bit in the Mother's mask.
void addPoint(FigureEntryDialog::Mothers& mothers, int at) {
  auto& mother = mothers[static_cast<std::size_t>(at / kRowsPerFigure)];
  mother = static_cast<geomancy::FigureMask>(mother | (1u << (at % kRowsPerFigure)));
}

// A row of a Mother's points: unknown until clicked or typed; a click turns it between one point
// and two, the keys 1 and 2 set it.
class PointRow final : public QPushButton {
 public:
  explicit PointRow(QWidget* parent) : QPushButton(parent) { show(0); }

  [[nodiscard]] int points() const { return points_; }

  void show(int points) {
    points_ = points;
    setText(points == 0 ? QStringLiteral("?")
                        : points == 1 ? QStringLiteral("\u25CF") : QStringLiteral("\u25CF \u25CF"));
    setAccessibleDescription(points == 0   ? QStringLiteral("not entered")
                             : points == 1 ? QStringLiteral("one point")
                                           : QStringLiteral("two points"));
  }

 protected:
  void nextCheckState() override { show(points_ == 1 ? 2 : 1); }
  void keyPressEvent(QKeyEvent* event) override {
    if (event->text() == QStringLiteral("1") || event->text() == QStringLiteral("2")) {
      show(event->text().toInt());
      emit clicked();
      focusNextChild();
      return;
    }
    QPushButton::keyPressEvent(event);
  }

 private:
  int points_ = 0;
};

}  // namespace

FigureEntryDialog::FigureEntryDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("figureEntry"));
  setWindowTitle(QStringLiteral("Enter Figures"));
  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("entryPages"));
  pages_->addTab(createCountsPage(), QStringLiteral("&Counts of marks"));
  pages_->addTab(createPointsPage(), QStringLiteral("&Points"));
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(pages_, &QTabWidget::currentChanged, this, &FigureEntryDialog::updateAcceptance);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addWidget(buttons_);
  updateAcceptance();
}

QWidget* FigureEntryDialog::createCountsPage() {
  auto* page = new QWidget(this);
  auto* grid = new QGridLayout(page);
  grid->addWidget(new QLabel(QStringLiteral("Marks in each line, from the head down; an odd "
                                            "count is one point, an even count two."),
                             page),
                  0, 0, 1, 2 * kMotherCount);
  for (int mother = 0; mother < kMotherCount; ++mother) {
    grid->addWidget(new QLabel(QStringLiteral("Mother %1").arg(mother + 1), page), 1, 2 * mother);
    for (int row = 0; row < kRowsPerFigure; ++row) {
      const int at = mother * kRowsPerFigure + row;
      auto* count = new QLineEdit(page);
      count->setObjectName(QStringLiteral("count_") + rowName(mother, row));
      count->setAccessibleName(rowDescription(mother, row) + QStringLiteral(": marks"));
      count->setMaxLength(12);
      auto* problem = new QLabel(page);
      problem->setObjectName(QStringLiteral("problem_") + rowName(mother, row));
      showAsProblem(*problem);
      count->setToolTip(rowDescription(mother, row));
      connect(count, &QLineEdit::textChanged, this, [this, problem](const QString& text) {
        problem->setText(countProblem(text));
        updateAcceptance();
      });
      counts_[at] = count;
      problems_[at] = problem;
      grid->addWidget(count, 2 + 2 * row, 2 * mother);
      grid->addWidget(problem, 3 + 2 * row, 2 * mother);
    }
  }
  return page;
}

QWidget* FigureEntryDialog::createPointsPage() {
  auto* page = new QWidget(this);
  auto* grid = new QGridLayout(page);
  grid->addWidget(new QLabel(QStringLiteral("Each row from the head down: click it, or type 1 "
                                            "or 2, for one point or two."),
                             page),
                  0, 0, 1, kMotherCount);
  for (int mother = 0; mother < kMotherCount; ++mother) {
    grid->addWidget(new QLabel(QStringLiteral("Mother %1").arg(mother + 1), page), 1, mother);
    for (int row = 0; row < kRowsPerFigure; ++row) {
      auto* points = new PointRow(page);
      points->setObjectName(QStringLiteral("points_") + rowName(mother, row));
      points->setAccessibleName(rowDescription(mother, row));
      points->setCheckable(true);
      connect(points, &QPushButton::clicked, this, &FigureEntryDialog::updateAcceptance);
      points_[mother * kRowsPerFigure + row] = points;
      grid->addWidget(points, 2 + row, mother);
    }
  }
  return page;
}

QString FigureEntryDialog::countProblem(const QString& count) {
  const QString text = count.trimmed();
  if (text.isEmpty()) return {};
  static const QRegularExpression kWhole(QStringLiteral("^[+-]?[0-9]+$"));
  if (!kWhole.match(text).hasMatch()) return QStringLiteral("Not a whole number");
  const bool negative = text.startsWith(QLatin1Char('-'));
  const QString digits = text.mid(text.front().isDigit() ? 0 : 1);
  const bool zero = digits.count(QLatin1Char('0')) == digits.size();
  if (negative && !zero) return QStringLiteral("Below 1: count the marks, from 1 to 999");
  if (zero) return QStringLiteral("Zero: a line has at least one mark");
  const QString significant = digits.mid(digits.indexOf(QRegularExpression(QStringLiteral("[1-9]"))));
  if (significant.size() > 3 || significant.toInt() > kMostMarks) {
    return QStringLiteral("Above 999: count the marks, from 1 to 999");
  }
  return {};
}

std::optional<FigureEntryDialog::Mothers> FigureEntryDialog::mothersFromCounts() const {
  Mothers mothers{};
  for (int at = 0; at < kRows; ++at) {
    const QString text = counts_[at]->text().trimmed();
    if (text.isEmpty() || !countProblem(text).isEmpty()) return std::nullopt;
    // An odd count is one point, the bit of a row with one point.
    const int lastDigit = text.back().digitValue();
    if (lastDigit % 2 == 1) addPoint(mothers, at);
  }
  return mothers;
}

std::optional<FigureEntryDialog::Mothers> FigureEntryDialog::mothersFromPoints() const {
  Mothers mothers{};
  for (int at = 0; at < kRows; ++at) {
    const int points = static_cast<const PointRow*>(points_[at])->points();
    if (points == 0) return std::nullopt;
    if (points == 1) addPoint(mothers, at);
  }
  return mothers;
}

std::optional<FigureEntryDialog::Mothers> FigureEntryDialog::mothers() const {
  return pages_->currentIndex() == 0 ? mothersFromCounts() : mothersFromPoints();
}

void FigureEntryDialog::updateAcceptance() {
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(mothers().has_value());
}
