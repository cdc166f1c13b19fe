// SPDX-License-Identifier: MIT
// The casting window: its layout, the first caption and where each row's picture stands.
#include "casting_window.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "frame_box.h"
#include "program_state.h"
#include "recording_link_launcher.h"
#include "scripted_random_source.h"

namespace {

class RecordingFields final : public geomancy::DisplayFields {
 public:
  void setDisplayField(geomancy::DisplayField, std::string_view text) override {
    writes.emplace_back(text);
  }
  std::vector<std::string> writes;
};

}  // namespace

class FrmMainTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    random_ = std::make_unique<ScriptedRandomSource>();
    state_ = std::make_unique<geomancy::ProgramState>(*random_);
    launcher_ = std::make_unique<RecordingLinkLauncher>();
    fields_ = std::make_unique<RecordingFields>();
    window_ = std::make_unique<CastingWindow>(
        *state_, *launcher_, [this]() -> geomancy::DisplayFields& { return *fields_; });
  }
  void cleanup() { window_.reset(); }

  void loadLeavesAnEmptyChart();
  void layoutMatchesTheDesignAt96Dpi_data();
  void layoutMatchesTheDesignAt96Dpi();
  void everyRowHasItsPlaceInItsPane();
  void everyPressBlanksTheResultFieldsFirst();
  void aFailedDrawSkipsTheFigureButTheStepGoesOn();
  void screenReadersHearTheFigures();

 private:
  QLabel* box(int index) const {
    return window_->findChild<QLabel*>(QStringLiteral("picCircle_%1").arg(index));
  }
  QPushButton* proceed() const { return window_->findChild<QPushButton*>("cmdProceed"); }

  std::unique_ptr<ScriptedRandomSource> random_;
  std::unique_ptr<geomancy::ProgramState> state_;
  std::unique_ptr<RecordingLinkLauncher> launcher_;
  std::unique_ptr<RecordingFields> fields_;
  std::unique_ptr<CastingWindow> window_;
};

void FrmMainTest::loadLeavesAnEmptyChart() {
  QCOMPARE(window_->windowTitle(), QStringLiteral("QX Geomancy v1.0"));
  QCOMPARE(proceed()->text(), QStringLiteral("Click to Cast Mother Figure 1"));
  for (int index = 0; index < geomancy::kRowCount; ++index) {
    QVERIFY(box(index));
    QVERIFY(!box(index)->isVisibleTo(window_.get()));
    QVERIFY(!box(index)->pixmap().isNull());  // the design-time picture, hidden
  }
  QCOMPARE(window_->findChild<FrameBox*>("Frame1")->caption(),
           QStringLiteral("Cast the Geomantic Spread"));
  QCOMPARE(random_->drawsTaken(), std::size_t{0});
  QVERIFY(fields_->writes.empty());
}

void FrmMainTest::layoutMatchesTheDesignAt96Dpi_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("pixels");
  QTest::newRow("Label61") << "Label61" << QRect(8, 3, 480, 31);
  QTest::newRow("Frame1") << "Frame1" << QRect(0, 32, 497, 385);
  QTest::newRow("Picture1 0") << "Picture1_0" << QRect(32, 16, 83, 361);
  QTest::newRow("Picture1 4") << "Picture1_4" << QRect(384, 16, 83, 361);
  QTest::newRow("cmdProceed") << "cmdProceed" << QRect(0, 416, 497, 33);
  QTest::newRow("Frame5") << "Frame5" << QRect(0, 448, 497, 57);
  QTest::newRow("lblCobrand") << "lblCobrand" << QRect(8, 11, 479, 41);
  QTest::newRow("lblFullBrand") << "lblFullBrand" << QRect(8, 11, 479, 41);
}

void FrmMainTest::layoutMatchesTheDesignAt96Dpi() {
  QFETCH(QString, name);
  QFETCH(QRect, pixels);
  const QWidget* control = window_->findChild<QWidget*>(name);
  QVERIFY2(control, qPrintable(name));
  QCOMPARE(control->geometry(), pixels);
  QCOMPARE(window_->centralWidget()->size(), QSize(497, 506));
}

void FrmMainTest::everyRowHasItsPlaceInItsPane() {
  struct Place {
    int firstIndex;
    const char* pane;
    int topTwips;
  };
  // Row 1 of each figure; rows 2 to 4 follow 300 twips apart.
  const Place places[] = {
      {0, "Picture1_0", 120},   {4, "Picture1_0", 1440},  {8, "Picture1_0", 2760},
      {12, "Picture1_0", 4080}, {16, "Picture1_1", 120},  {28, "Picture1_1", 4080},
      {32, "Picture1_2", 120},  {44, "Picture1_2", 4080}, {48, "Picture1_3", 1440},
      {52, "Picture1_3", 2760}, {56, "Picture1_4", 2160}};
  for (const Place& place : places) {
    for (int row = 0; row < 4; ++row) {
      QLabel* picture = box(place.firstIndex + row);
      QCOMPARE(picture->parentWidget()->objectName(), QString::fromLatin1(place.pane));
      QCOMPARE(picture->geometry(), QRect(8, qRound((place.topTwips + 300 * row) / 15.0), 66, 20));
    }
  }
}

void FrmMainTest::everyPressBlanksTheResultFieldsFirst() {
  random_->appendFigure({1, 2, 1, 2});
  proceed()->click();
  QCOMPARE(fields_->writes, std::vector<std::string>(10, ""));
  QCOMPARE(state_->stepCounter, std::int16_t{1});
  QVERIFY(box(3)->isVisibleTo(window_.get()));
  QVERIFY(!box(4)->isVisibleTo(window_.get()));
}

void FrmMainTest::aFailedDrawSkipsTheFigureButTheStepGoesOn() {
  random_->append({0.1f, 0.9f});  // two draws, where Mother 1 needs four
  proceed()->click();
  QCOMPARE(state_->stepCounter, std::int16_t{1});
  QCOMPARE(proceed()->text(), QStringLiteral("Click to Cast Mother Figure 2"));
  QCOMPARE(state_->chart.figuresProduced(), 0);
  QVERIFY(!box(0)->isVisibleTo(window_.get()));
}

void FrmMainTest::screenReadersHearTheFigures() {
  random_->appendFigure({1, 2, 2, 1});
  proceed()->click();
  QCOMPARE(box(1)->accessibleName(), QStringLiteral("Mother Figure 1, row 2"));
  QCOMPARE(box(1)->accessibleDescription(), QStringLiteral("two points"));
  QCOMPARE(window_->findChild<QWidget*>("Picture1_0")->accessibleDescription(),
           QStringLiteral("Mother Figure 1: one point, two points, two points, one point"));
  window_->startNewReading();
  QCOMPARE(window_->findChild<QWidget*>("Picture1_0")->accessibleDescription(), QString());
}

QTEST_MAIN(FrmMainTest)
#include "casting_window_test.moc"
