// SPDX-License-Identifier: MIT
// The user's own casting: counts of marks and points, and the counts that cannot be taken.
#include "figure_entry_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

namespace {

// The worked Mothers 1122, 2111, 1221, 2221 as counts: odd for one point, even for two.
constexpr int kCounts[4][4] = {{3, 7, 2, 10}, {4, 1, 999, 5}, {9, 6, 8, 11}, {2, 4, 12, 1}};
const FigureEntryDialog::Mothers kWorked{0b0011, 0b1110, 0b1001, 0b1000};

QPushButton* okButton(const FigureEntryDialog& dialog) {
  return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
}

}  // namespace

class FigureEntryDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void wrongCountsAreNamed_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("problem");
    QTest::newRow("one") << "1" << "";
    QTest::newRow("the most") << "999" << "";
    QTest::newRow("blanks around") << " 12 " << "";
    QTest::newRow("zero") << "0" << "Zero: a line has at least one mark";
    QTest::newRow("zeros") << "000" << "Zero: a line has at least one mark";
    QTest::newRow("negative") << "-3" << "Below 1: count the marks, from 1 to 999";
    QTest::newRow("too many") << "1000" << "Above 999: count the marks, from 1 to 999";
    QTest::newRow("far too many") << "99999999999999999999" << "Above 999: count the marks, from 1 to 999";
    QTest::newRow("a fraction") << "2.5" << "Not a whole number";
    QTest::newRow("a word") << "seven" << "Not a whole number";
    QTest::newRow("an exponent") << "1e2" << "Not a whole number";
  }
  void wrongCountsAreNamed() {
    QFETCH(QString, count);
    QFETCH(QString, problem);
    QCOMPARE(FigureEntryDialog::countProblem(count), problem);
  }

  void countsMakeTheMothersOnceAllSixteenAreKnown() {
    FigureEntryDialog dialog;
    for (int mother = 0; mother < 4; ++mother) {
      for (int row = 0; row < 4; ++row) {
        QVERIFY(!okButton(dialog)->isEnabled());
        auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("count_%1_%2").arg(mother + 1).arg(row + 1));
        QTest::keyClicks(field, QString::number(kCounts[mother][row]));
      }
    }
    QVERIFY(okButton(dialog)->isEnabled());
    QCOMPARE(dialog.mothers(), std::optional(kWorked));
    // A wrong count is shown beside its field and holds the casting back.
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("count_2_3"));
    field->setText(QStringLiteral("0"));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("problem_2_3"))->text(),
             QStringLiteral("Zero: a line has at least one mark"));
    QVERIFY(!okButton(dialog)->isEnabled());
  }

  void pointsAreClickedOrTypedARowAtATime() {
    FigureEntryDialog dialog;
    dialog.findChild<QTabWidget*>()->setCurrentIndex(1);
    dialog.show();
    for (int mother = 0; mother < 4; ++mother) {
      for (int row = 0; row < 4; ++row) {
        auto* points = dialog.findChild<QPushButton*>(QStringLiteral("points_%1_%2").arg(mother + 1).arg(row + 1));
        const bool one = (kWorked[mother] >> row) & 1u;
        if (mother % 2 == 0) {
          QTest::keyClick(points, one ? '1' : '2');
        } else {
          QTest::mouseClick(points, Qt::LeftButton);  // unknown to one point
          if (!one) QTest::mouseClick(points, Qt::LeftButton);
        }
      }
    }
    QVERIFY(okButton(dialog)->isEnabled());
    QCOMPARE(dialog.mothers(), std::optional(kWorked));
  }
};

QTEST_MAIN(FigureEntryDialogTest)
#include "figure_entry_dialog_test.moc"
