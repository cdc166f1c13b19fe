// SPDX-License-Identifier: MIT
// The chart program's window: the judgement as the caster writes it, the houses judged again, the
// journal kept and read back, the picture and the PDF saved.
#include "chart_window.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>
#include <algorithm>
#include <initializer_list>
#include <memory>
#include <sstream>

#include "caster.h"
#include "chart_dialogs.h"
#include "chart_layout.h"
#include "scripted_random_source.h"

namespace {

// Answers the dialogs with what the test chose and keeps what was reported.
class RecordingDialogs final : public ChartDialogs {
 public:
  QString journalToOpen(QWidget*, const QString&) override { return journal; }
  Picture pictureToSave(QWidget*, const QString&) override { return picture; }
  QString pdfToSave(QWidget*, const QString&) override { return pdf; }
  void print(QWidget*, const formats::ChartLayout&) override { ++printed; }
  void report(QWidget*, const QString& text) override { reports << text; }

  QString journal;
  Picture picture;
  QString pdf;
  int printed = 0;
  QStringList reports;
};

// What the caster prints for these arguments.
QString casterOutput(std::vector<std::string_view> arguments) {
  std::ostringstream out;
  std::ostringstream err;
  qxcast::runCaster(arguments, out, err);
  return QString::fromStdString(out.str());
}

// The page of words the window shows, made of what the caster prints with --reading for these
// arguments: the question, the reading's balance and testimonies, the perfection, the houses, the
// Witnesses' answers, the houses' meanings and the Judge's texts, each as the caster writes it.
QString casterWords(std::vector<std::string_view> arguments) {
  arguments.push_back("--reading");
  const QString text = casterOutput(arguments);
  // From the line that begins with `start` to the first of `ends` after it (or the text's end).
  const auto part = [&text](const char* start, std::initializer_list<const char*> ends) {
    const qsizetype from = text.indexOf(QLatin1String(start));
    if (from < 0) return QString();
    qsizetype to = text.size();
    for (const char* end : ends) {
      const qsizetype at = text.indexOf(QLatin1String(end), from + 1);
      if (at >= 0) to = std::min(to, at);
    }
    return text.mid(from, to - from);
  };
  return part("Question: ", {"The Shield chart"}) + part("Reading by ", {"  1. Fitness"}) +
         part("  1. Fitness", {"The Witnesses' answers"}) +
         part("Perfection between", {"Reading by "}) +
         part("Houses", {"Perfection between", "Reading by "}) +
         part("The Witnesses' answers", {"The houses by"}) + part("The houses by", {}) + "\n" +
         part("Judge:", {"\n\n"}) + "\n";
}

const geomancy::Figure kMothers[] = {{1, 1, 2, 2}, {2, 1, 1, 1}, {1, 2, 2, 1}, {2, 2, 2, 1}};
constexpr std::string_view kMothersArgument = "1122,2111,1221,2221";
const formats::CastTime kCastAt{2026, 12, 8, 5, 30, 12};

template <typename Widget>
Widget* child(const QWidget& window, const char* name) {
  return window.findChild<Widget*>(QString::fromLatin1(name));
}

void chooseHouse(const QWidget& window, const char* which, int house) {
  auto* houses = child<QComboBox>(window, which);
  houses->setCurrentIndex(houses->findData(house));
}

}  // namespace

class ChartWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    settings_ = std::make_unique<QSettings>(folder_->filePath(QStringLiteral("chart.ini")),
                                            QSettings::IniFormat);
    settings_->setValue(QStringLiteral("journal"), journalPath());
    random_ = std::make_unique<ScriptedRandomSource>();
    dialogs_ = std::make_unique<RecordingDialogs>();
  }
  void cleanup() {
    window_.reset();
    settings_.reset();
    folder_.reset();
  }

  void aCastIsJudgedAsTheCasterJudgesIt();
  void changingTheHousesJudgesTheSameChartAgain();
  void theTopicAndTheOrderAreChosenKeptAndShownAgain();
  void readingsAreKeptAndShownAgainAsCast();
  void damagedLinesAreReportedOnceAndSkipped();
  void anUnwritableJournalIsReportedAndTheReadingStays();
  void aJournalThatIsNoJournalIsReportedInWords_data();
  void aJournalThatIsNoJournalIsReportedInWords();
  void theSavedPictureIsTheCastersAndThePdfHasOnePage();

 private:
  [[nodiscard]] QString journalPath() const {
    return folder_->filePath(QStringLiteral("journal.jsonl"));
  }
  void open() {
    window_ = std::make_unique<ChartWindow>(
        ChartSeams{*random_, [] { return kCastAt; }, *dialogs_, *settings_});
    QCoreApplication::processEvents();  // the journal is read once the window is up
  }
  void castTheWorkedMothers(const QString& question = {}) {
    for (const geomancy::Figure& mother : kMothers) random_->appendFigure(mother);
    child<QLineEdit>(*window_, "question")->setText(question);
    window_->cast();
  }
  [[nodiscard]] QString judgement() const {
    return child<QPlainTextEdit>(*window_, "judgement")->toPlainText();
  }

  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<QSettings> settings_;
  std::unique_ptr<ScriptedRandomSource> random_;
  std::unique_ptr<RecordingDialogs> dialogs_;
  std::unique_ptr<ChartWindow> window_;
};

void ChartWindowTest::aCastIsJudgedAsTheCasterJudgesIt() {
  open();
  // A question the caster would refuse casts nothing, and says why beside the field.
  castTheWorkedMothers(QStringLiteral("A bell\a?"));
  QCOMPARE(random_->drawsTaken(), std::size_t{0});
  QVERIFY(child<QLabel>(*window_, "questionProblem")->text().contains(QStringLiteral("control")));
  chooseHouse(*window_, "quesited", 7);
  castTheWorkedMothers(QStringLiteral("Will the house \"sell\"?"));
  QCOMPARE(judgement(),
           casterWords({"--mothers", kMothersArgument, "--houses", "--quesited", "7", "--topic",
                        "marriage", "--question", "Will the house \"sell\"?"}));
  QCOMPARE(window_->windowTitle(), QStringLiteral("QX Geomancy Chart"));
}

void ChartWindowTest::changingTheHousesJudgesTheSameChartAgain() {
  open();
  castTheWorkedMothers();
  QCOMPARE(judgement(), casterWords({"--mothers", kMothersArgument, "--houses"}));
  chooseHouse(*window_, "querent", 3);
  chooseHouse(*window_, "quesited", 9);
  QCOMPARE(judgement(), casterWords({"--mothers", kMothersArgument, "--houses", "--querent", "3",
                                     "--quesited", "9", "--topic", "journey"}));
  // The same chart: nothing more was drawn; and neither the querent's house nor the first is
  // offered as quesited (the journal could not read such a reading back).
  QCOMPARE(random_->drawsTaken(), std::size_t{16});
  auto* quesited = child<QComboBox>(*window_, "quesited");
  chooseHouse(*window_, "quesited", 4);
  QTest::keyClick(quesited, Qt::Key_Up);
  QCOMPARE(quesited->currentData().toInt(), 2);
  QTest::keyClick(quesited, Qt::Key_Up);
  QCOMPARE(quesited->currentData().toInt(), 0);  // none
}

void ChartWindowTest::theTopicAndTheOrderAreChosenKeptAndShownAgain() {
  open();
  auto* topic = child<QComboBox>(*window_, "topic");
  chooseHouse(*window_, "quesited", 2);
  QCOMPARE(topic->currentData().toString(), QStringLiteral("money"));  // suggested by the house
  chooseHouse(*window_, "quesited", 0);
  topic->setCurrentIndex(topic->findData(QStringLiteral("prison")));  // names its own house
  QCOMPARE(child<QComboBox>(*window_, "quesited")->currentData().toInt(), 12);
  topic->setCurrentIndex(topic->findData(QStringLiteral("money")));  // a house chosen stays
  QCOMPARE(child<QComboBox>(*window_, "quesited")->currentData().toInt(), 12);
  child<QAction>(*window_, "goldenDawnOrder")->trigger();
  castTheWorkedMothers();
  const QString golden = judgement();
  QCOMPARE(golden, casterWords({"--mothers", kMothersArgument, "--houses", "--quesited", "12",
                                "--topic", "money", "--order", "golden-dawn"}));
  child<QAction>(*window_, "traditionalOrder")->trigger();  // the same chart judged again
  QCOMPARE(judgement(), casterWords({"--mothers", kMothersArgument, "--houses", "--quesited", "12",
                                     "--topic", "money"}));
  window_->close();
  window_.reset();
  open();  // the order and the topic last chosen are kept, and the reading as it was cast
  QVERIFY(child<QAction>(*window_, "traditionalOrder")->isChecked());
  QCOMPARE(child<QComboBox>(*window_, "topic")->currentData().toString(), QStringLiteral("money"));
  auto* readings = child<QTreeView>(*window_, "readings");
  readings->setCurrentIndex(readings->model()->index(0, 0));
  emit readings->activated(readings->currentIndex());
  QCOMPARE(judgement(), golden);
  QVERIFY(child<QAction>(*window_, "goldenDawnOrder")->isChecked());
}

void ChartWindowTest::readingsAreKeptAndShownAgainAsCast() {
  open();
  const QStringList questions{QStringLiteral("First?"), QString(), QStringLiteral("Thïrd? 🜁")};
  QStringList judgements;
  for (int i = 0; i < questions.size(); ++i) {
    chooseHouse(*window_, "quesited", 4 + i);
    castTheWorkedMothers(questions[i]);
    judgements << judgement();
  }
  window_->close();
  window_.reset();
  open();  // as the program starts again
  auto* readings = child<QTreeView>(*window_, "readings");
  QCOMPARE(readings->model()->rowCount(), 3);
  for (int row = 0; row < 3; ++row) {
    const int cast = 2 - row;  // newest first
    QCOMPARE(readings->model()->index(row, 2).data().toString(), questions[cast]);
    readings->setCurrentIndex(readings->model()->index(row, 0));
    emit readings->activated(readings->currentIndex());
    QCOMPARE(judgement(), judgements[cast]);
    QCOMPARE(child<QComboBox>(*window_, "quesited")->currentData().toInt(), 4 + cast);
  }
  auto* filter = child<QLineEdit>(*window_, "filter");
  filter->setText(QStringLiteral("THÏRD"));
  QCOMPARE(readings->model()->rowCount(), 1);
  // The caster lists what the window kept.
  const std::string journal = journalPath().toStdString();
  QCOMPARE(casterOutput({"--journal", journal, "--list"}).count(QLatin1Char('\n')), 3);
}

void ChartWindowTest::damagedLinesAreReportedOnceAndSkipped() {
  open();
  castTheWorkedMothers();
  window_.reset();
  QFile file(journalPath());
  QVERIFY(file.open(QIODevice::Append));
  file.write("not json\n{\"mothers\":[[1,1,1]]}\n");
  file.close();
  open();
  castTheWorkedMothers();
  QCOMPARE(dialogs_->reports.size(), 1);
  QVERIFY2(dialogs_->reports[0].contains(QStringLiteral("2 damaged lines")) &&
               dialogs_->reports[0].contains(QStringLiteral("the first is line 2")),
           qPrintable(dialogs_->reports[0]));
  QCOMPARE(child<QTreeView>(*window_, "readings")->model()->rowCount(), 2);
  // Damaged lines are never touched.
  QVERIFY(file.open(QIODevice::ReadOnly));
  QVERIFY(file.readAll().contains("not json\n{\"mothers\":[[1,1,1]]}\n"));
  // A file of which no line is a reading is not taken for a journal, nor written to.
  QFile notes(folder_->filePath(QStringLiteral("notes.txt")));
  QVERIFY(notes.open(QIODevice::WriteOnly));
  notes.write("buy sand\n");
  notes.close();
  dialogs_->journal = notes.fileName();
  child<QAction>(*window_, "openJournal")->trigger();
  QVERIFY2(dialogs_->reports.last().contains(QStringLiteral("is not a journal")),
           qPrintable(dialogs_->reports.last()));
  castTheWorkedMothers();
  QCOMPARE(child<QTreeView>(*window_, "readings")->model()->rowCount(), 3);
  QVERIFY(notes.open(QIODevice::ReadOnly));
  QCOMPARE(notes.readAll(), QByteArray("buy sand\n"));
}

void ChartWindowTest::anUnwritableJournalIsReportedAndTheReadingStays() {
  // A journal under a file: no folder can be made for it, even as root.
  QFile blocker(folder_->filePath(QStringLiteral("file")));
  QVERIFY(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  settings_->setValue(QStringLiteral("journal"), blocker.fileName() + QStringLiteral("/j.jsonl"));
  open();
  castTheWorkedMothers();
  QCOMPARE(dialogs_->reports.size(), 1);
  QVERIFY(dialogs_->reports[0].contains(blocker.fileName() + QStringLiteral("/j.jsonl")));
  QCOMPARE(judgement(), casterWords({"--mothers", kMothersArgument, "--houses"}));
  dialogs_->picture = {folder_->filePath(QStringLiteral("kept.svg")), 1};
  child<QAction>(*window_, "savePicture")->trigger();
  QVERIFY(QFile::exists(dialogs_->picture.path));
}

void ChartWindowTest::aJournalThatIsNoJournalIsReportedInWords_data() {
  QTest::addColumn<QString>("journal");  // "" for a file the test writes
  QTest::addColumn<QByteArray>("content");
  QTest::addColumn<QString>("opening");  // what opening it reports
  QTest::addColumn<QString>("casting");  // what adding a reading to it reports
  QByteArray noise(4096, '\0');
  for (int i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919 + 13) % 256);
  QTest::newRow("a folder") << "folder" << QByteArray() << "cannot be read"
                            << "could not be added";
  QTest::newRow("random bytes") << "" << noise << "damaged"
                                << "";
  QTest::newRow("one enormous line") << "" << QByteArray(3 << 20, '{') << "1 damaged line"
                                     << "";
  QTest::newRow("a full disk") << "/dev/full" << QByteArray() << "cannot be read"
                               << "No space left on device";
}

void ChartWindowTest::aJournalThatIsNoJournalIsReportedInWords() {
  QFETCH(QString, journal);
  QFETCH(QByteArray, content);
  QFETCH(QString, opening);
  QFETCH(QString, casting);
  if (journal == QStringLiteral("folder")) {
    journal = folder_->filePath(journal);
    QVERIFY(QDir().mkpath(journal));
  } else if (journal.isEmpty()) {
    journal = journalPath();
    QFile file(journal);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
  }
  settings_->setValue(QStringLiteral("journal"), journal);
  open();
  QCOMPARE(dialogs_->reports.size(), 1);
  QVERIFY2(dialogs_->reports[0].contains(opening), qPrintable(dialogs_->reports[0]));
  castTheWorkedMothers();
  QCOMPARE(dialogs_->reports.size(), casting.isEmpty() ? 1 : 2);
  QVERIFY2(dialogs_->reports.last().contains(casting), qPrintable(dialogs_->reports.last()));
  // The reading is on screen whatever became of the journal.
  QCOMPARE(judgement(), casterWords({"--mothers", kMothersArgument, "--houses"}));
}

void ChartWindowTest::theSavedPictureIsTheCastersAndThePdfHasOnePage() {
  // The caster's picture of the same reading, question and houses, at the time it was cast.
  const std::string journal = folder_->filePath(QStringLiteral("caster.jsonl")).toStdString();
  const std::string svg = folder_->filePath(QStringLiteral("caster.svg")).toStdString();
  casterOutput({"--mothers", kMothersArgument, "--houses", "--quesited", "10", "--question",
                "Ask & see", "--journal", journal, "--svg", svg});
  QFile casterJournal(QString::fromStdString(journal));
  QVERIFY(casterJournal.open(QIODevice::ReadOnly));
  const QByteArray line = casterJournal.readAll();
  const auto castAt =
      formats::CastTime::fromIso(line.mid(line.indexOf("\"cast_at\":\"") + 11, 20).toStdString());
  QVERIFY(castAt.has_value());
  window_ = std::make_unique<ChartWindow>(
      ChartSeams{*random_, [castAt] { return *castAt; }, *dialogs_, *settings_});
  QCoreApplication::processEvents();
  chooseHouse(*window_, "quesited", 10);
  castTheWorkedMothers(QStringLiteral("Ask & see"));
  dialogs_->picture = {folder_->filePath(QStringLiteral("window.svg")), 1};
  child<QAction>(*window_, "savePicture")->trigger();
  QFile saved(dialogs_->picture.path);
  QFile expected(QString::fromStdString(svg));
  QVERIFY(saved.open(QIODevice::ReadOnly) && expected.open(QIODevice::ReadOnly));
  QCOMPARE(saved.readAll(), expected.readAll());

  dialogs_->pdf = folder_->filePath(QStringLiteral("chart.pdf"));
  child<QAction>(*window_, "exportPdf")->trigger();
  QFile pdf(dialogs_->pdf);
  QVERIFY(pdf.open(QIODevice::ReadOnly));
  const QByteArray bytes = pdf.readAll();
  QVERIFY(bytes.startsWith("%PDF-"));
  QVERIFY(bytes.trimmed().endsWith("%%EOF"));
  static const QRegularExpression kPage(QStringLiteral("/Type\\s*/Page(?!s)"));
  QCOMPARE(QString::fromLatin1(bytes).count(kPage), qsizetype{1});
  QVERIFY(dialogs_->reports.isEmpty());
}

QTEST_MAIN(ChartWindowTest)
#include "chart_window_test.moc"
