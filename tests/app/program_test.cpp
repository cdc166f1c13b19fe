// SPDX-License-Identifier: MIT
// One whole reading through the program's shell: presses, pictures, the result window, Back.
#include "program.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "fake_platform.h"

using geomancy::DisplayField;

namespace {

// The worked chart: its Mothers, and the Judge they lead to (Conjunctio, 2 1 1 2).
const geomancy::Figure kMothers[4] = {{1, 1, 2, 2}, {2, 1, 1, 1}, {1, 2, 2, 1}, {2, 2, 2, 1}};
const std::vector<geomancy::RowValue> kWorkedStore = {
    1, 1, 2, 2, 2, 1, 1, 1, 1, 2, 2, 1, 2, 2, 2, 1, 1, 2, 1, 2, 1, 1, 2, 2, 2, 1, 2, 2, 2, 1,
    1, 1, 1, 2, 1, 1, 1, 2, 2, 2, 2, 1, 1, 2, 2, 2, 1, 1, 2, 2, 1, 1, 2, 1, 2, 1, 2, 1, 1, 2};

const char* const kCaptionsAfterPress[] = {
    "Click to Cast Mother Figure 2",    "Click to Cast Mother Figure 3",
    "Click to Cast Mother Figure 4",    "Click to Cast Daughter Figure 1",
    "Click to Cast Daughter Figure 2",  "Click to Cast Daughter Figure 3",
    "Click to Cast Daughter Figure 4",  "Click to Cast Niece Figure 1",
    "Click to Cast Niece Figure 2",     "Click to Cast Niece Figure 3",
    "Click to Cast Niece Figure 4",     "Click to Create Witness Figure 1",
    "Click to Create Witness Figure 2", "Click to Cast Judge Figure",
    "Click to See QX Geomancy Result",  "Click to See QX Geomancy Result"};

QLabel* box(QWidget* window, int index) {
  return window->findChild<QLabel*>(QStringLiteral("picCircle_%1").arg(index));
}

QPushButton* proceed(QWidget* window) {
  return window->findChild<QPushButton*>(QStringLiteral("cmdProceed"));
}

int visibleBoxes(QWidget* window) {
  int count = 0;
  for (int index = 0; index < geomancy::kRowCount; ++index) {
    count += box(window, index)->isVisibleTo(window) ? 1 : 0;
  }
  return count;
}

// What a box shows, as a screen reader hears it: "one point" or "two points".
geomancy::RowValue shownRow(QWidget* window, int index) {
  const QString reading = box(window, index)->accessibleDescription();
  if (reading == QLatin1String("one point")) return 1;
  if (reading == QLatin1String("two points")) return 2;
  return 0;
}

bool allFieldsBlank(const ResultWindow& result) {
  for (const DisplayField field : geomancy::kDisplayFields) {
    if (!result.displayField(field).isEmpty()) return false;
  }
  return true;
}

void settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class ProgramTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void startShowsAnEmptyCastingWindow();
  void sixteenPressesMakeOneReading();
  void pressesAfterTheLastOnlyBlankTheFields();
  void backFromButtonAndMenuLeaveTheSameState();
  void secondReadingSharesNothingWithTheFirst();
  void closingTheResultWindowDiscardsIt();
  void thousandReadingsLeaveNoWindowBehind();

 private:
  void scriptReading(const geomancy::Figure (&mothers)[4]);
  void pressTimes(int presses);
  void completeReading();

  std::unique_ptr<FakePlatform> platform_;
  std::unique_ptr<Program> program_;
};

void ProgramTest::init() {
  platform_ = std::make_unique<FakePlatform>(std::vector<float>{0.0f});  // promotion choice
  program_ = std::make_unique<Program>(platform_->seams());
  program_->startProgram();
}

void ProgramTest::cleanup() {
  program_.reset();
  settle();
  QVERIFY(platform_->launcher.addresses.isEmpty());
}

void ProgramTest::scriptReading(const geomancy::Figure (&mothers)[4]) {
  for (const auto& mother : mothers) platform_->random.appendFigure(mother);
}

void ProgramTest::pressTimes(int presses) {
  for (int press = 0; press < presses; ++press) proceed(program_->castingWindow())->click();
}

void ProgramTest::completeReading() {
  scriptReading(kMothers);
  pressTimes(16);
}

void ProgramTest::startShowsAnEmptyCastingWindow() {
  CastingWindow* casting = program_->castingWindow();
  QVERIFY(casting);
  QVERIFY(casting->isVisible());
  QCOMPARE(proceed(casting)->text(), QStringLiteral("Click to Cast Mother Figure 1"));
  QCOMPARE(visibleBoxes(casting), 0);
  QVERIFY(!program_->resultWindow());
  QCOMPARE(platform_->random.seeds().size(), std::size_t{1});
  QCOMPARE(platform_->random.drawsTaken(), std::size_t{1});
  QCOMPARE(program_->state(), Program::State::Casting);
}

void ProgramTest::sixteenPressesMakeOneReading() {
  scriptReading(kMothers);
  CastingWindow* casting = program_->castingWindow();
  for (int press = 1; press <= 15; ++press) {
    const std::size_t drawsBefore = platform_->random.drawsTaken();
    proceed(casting)->click();
    QCOMPARE(platform_->random.drawsTaken() - drawsBefore, std::size_t(press <= 4 ? 4 : 0));
    QCOMPARE(proceed(casting)->text(), QString::fromLatin1(kCaptionsAfterPress[press - 1]));
    QCOMPARE(visibleBoxes(casting), 4 * press);
    for (int index = 0; index < 4 * press; ++index) {
      QCOMPARE(shownRow(casting, index), kWorkedStore[index]);
    }
    QVERIFY(box(casting, 4 * press - 1)->isVisibleTo(casting));
    // The result window exists from the first press on, hidden and blank.
    QVERIFY(program_->resultWindow());
    QVERIFY(!program_->resultWindow()->isVisible());
    QVERIFY(allFieldsBlank(*program_->resultWindow()));
  }
  QVERIFY(casting->isVisible());
  QCOMPARE(program_->state(), Program::State::Casting);

  const std::size_t drawsBefore = platform_->random.drawsTaken();
  proceed(casting)->click();
  QCOMPARE(platform_->random.drawsTaken(), drawsBefore);
  QVERIFY(!casting->isVisible());
  ResultWindow* result = program_->resultWindow();
  QVERIFY(result->isVisible());
  QCOMPARE(program_->state(), Program::State::Result);
  QCOMPARE(proceed(casting)->text(), QStringLiteral("Click to See QX Geomancy Result"));
  QCOMPARE(visibleBoxes(casting), 60);

  // The figure drawn in boxes 56 to 59, read top to bottom, is the one named.
  const geomancy::Figure judge{shownRow(casting, 56), shownRow(casting, 57), shownRow(casting, 58),
                               shownRow(casting, 59)};
  const geomancy::CatalogueEntry* entry = geomancy::entryForRows(judge);
  QVERIFY(entry);
  QCOMPARE(entry->key, std::string_view("CONJUNCTIO"));
  for (const DisplayField field : geomancy::kDisplayFields) {
    const std::string_view text = geomancy::displayText(*entry, field);
    QCOMPARE(result->displayField(field), QString::fromUtf8(text.data(), qsizetype(text.size())));
  }
}

void ProgramTest::pressesAfterTheLastOnlyBlankTheFields() {
  completeReading();
  CastingWindow* casting = program_->castingWindow();
  ResultWindow* result = program_->resultWindow();
  proceed(casting)->click();
  QVERIFY(allFieldsBlank(*result));
  QCOMPARE(program_->programState().stepCounter, std::int16_t{17});
  QCOMPARE(program_->programState().chart.figuresProduced(), 15);
  QCOMPARE(proceed(casting)->text(), QStringLiteral("Click to See QX Geomancy Result"));
  QVERIFY(result->isVisible());
  QVERIFY(!casting->isVisible());

  // The counter stops at its largest value rather than wrapping round into a new reading.
  program_->programState().stepCounter = std::numeric_limits<std::int16_t>::max();
  proceed(casting)->click();
  QCOMPARE(program_->programState().stepCounter, std::numeric_limits<std::int16_t>::max());
  QCOMPARE(program_->programState().chart.figuresProduced(), 15);
}

void ProgramTest::backFromButtonAndMenuLeaveTheSameState() {
  for (const bool fromMenu : {false, true}) {
    completeReading();
    ResultWindow* result = program_->resultWindow();
    if (fromMenu) {
      result->findChild<QAction*>(QStringLiteral("mnuBack"))->trigger();
    } else {
      result->findChild<QPushButton*>(QStringLiteral("cmdBack"))->click();
    }
    settle();
    CastingWindow* casting = program_->castingWindow();
    QVERIFY(casting->isVisible());
    QVERIFY(!program_->resultWindow());
    QCOMPARE(visibleBoxes(casting), 0);
    QCOMPARE(proceed(casting)->text(), QStringLiteral("Click to Create Mother 1"));
    QCOMPARE(program_->programState().stepCounter, std::int16_t{0});
    QCOMPARE(program_->programState().chart.figuresProduced(), 0);
    QCOMPARE(program_->programState().identifier.currentFigureKey(), std::string("CONJUNCTIO"));
    QCOMPARE(program_->state(), Program::State::Casting);
  }
}

void ProgramTest::secondReadingSharesNothingWithTheFirst() {
  completeReading();
  program_->resultWindow()->findChild<QPushButton*>(QStringLiteral("cmdBack"))->click();
  settle();

  // Four Mothers of one point in every row: every derived figure is then fixed.
  const geomancy::Figure via{1, 1, 1, 1};
  const geomancy::Figure viaMothers[4] = {via, via, via, via};
  scriptReading(viaMothers);
  CastingWindow* casting = program_->castingWindow();
  const std::size_t drawsBefore = platform_->random.drawsTaken();
  pressTimes(1);
  QCOMPARE(platform_->random.drawsTaken() - drawsBefore, std::size_t{4});
  QCOMPARE(visibleBoxes(casting), 4);
  pressTimes(15);
  for (int index = 0; index < 32; ++index)
    QCOMPARE(shownRow(casting, index), geomancy::RowValue{1});
  for (int index = 32; index < 60; ++index)
    QCOMPARE(shownRow(casting, index), geomancy::RowValue{2});
  ResultWindow* result = program_->resultWindow();
  QVERIFY(result->isVisible());
  QCOMPARE(result->displayField(DisplayField::GeomancyName), QStringLiteral("Populus  The People"));
}

void ProgramTest::closingTheResultWindowDiscardsIt() {
  completeReading();
  program_->resultWindow()->close();
  settle();
  QVERIFY(!program_->resultWindow());
  QCOMPARE(program_->state(), Program::State::Leaving);
  // The casting window stays as it was, hidden.
  QVERIFY(program_->castingWindow());
  QVERIFY(!program_->castingWindow()->isVisible());
}

void ProgramTest::thousandReadingsLeaveNoWindowBehind() {
  const auto readAndGoBack = [this] {
    completeReading();
    QVERIFY(program_->resultWindow()->isVisible());
    program_->resultWindow()->findChild<QPushButton*>(QStringLiteral("cmdBack"))->click();
    settle();
  };
  // The first reading loads the exit window, hidden, for the rest of the run.
  readAndGoBack();
  QVERIFY(program_->exitWindow());
  const auto widgetsAtStart = QApplication::allWidgets().size();
  const auto windowsAtStart = QApplication::topLevelWidgets().size();
  for (int reading = 0; reading < 1000; ++reading) {
    readAndGoBack();
    if (QTest::currentTestFailed()) return;
  }
  QVERIFY(!program_->resultWindow());
  QCOMPARE(QApplication::allWidgets().size(), widgetsAtStart);
  QCOMPARE(QApplication::topLevelWidgets().size(), windowsAtStart);
}

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
