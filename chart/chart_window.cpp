// SPDX-License-Identifier: MIT
#include "chart_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

#include "chart_dialogs.h"
#include "chart_layout.h"
#include "chart_painter.h"
#include "chart_svg.h"
#include "chart_text.h"
#include "chart_view.h"
#include "figure_entry_dialog.h"
#include "file_by_name.h"
#include "house_boxes.h"
#include "journal_panel.h"
#include "judgement.h"
#include "judgement_text.h"
#include "problem_label.h"
#include "reading_caster.h"
#include "user_text.h"

namespace {

const QString kTitle = QStringLiteral("QX Geomancy Chart");

}  // namespace

ChartWindow::ChartWindow(ChartSeams seams, QWidget* parent)
    : QMainWindow(parent), seams_(seams) {
  setObjectName(QStringLiteral("chartWindow"));
  setWindowTitle(kTitle);
  createActions();
  createMenus();
  auto* split = new QSplitter(Qt::Horizontal, this);
  split->setObjectName(QStringLiteral("split"));
  split->addWidget(createReadingPanel());
  auto* shown = new QSplitter(Qt::Vertical, split);
  chart_ = new ChartView(shown);
  judgement_ = new QPlainTextEdit(shown);
  judgement_->setObjectName(QStringLiteral("judgement"));
  judgement_->setAccessibleName(QStringLiteral("Judgement"));
  judgement_->setReadOnly(true);
  judgement_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  judgement_->setLineWrapMode(QPlainTextEdit::NoWrap);
  split->addWidget(shown);
  split->setStretchFactor(1, 1);
  split->setSizes({360, 1040});
  shown->setSizes({560, 300});
  setCentralWidget(split);
  restoreSettings();
  setTabOrder(question_, querent_);
  setTabOrder(querent_, quesited_);
  // After the window's first frame: the journal may be long.
  QTimer::singleShot(0, this, [this] { openJournal(journalPath_); });
}

ChartWindow::~ChartWindow() = default;

void ChartWindow::createActions() {
  const auto action = [this](const QString& text, const QString& name, auto slot,
                             QKeySequence keys = {}) {
    auto* made = new QAction(text, this);
    made->setObjectName(name);
    made->setShortcut(keys);
    connect(made, &QAction::triggered, this, slot);
    return made;
  };
  castAction_ = action(QStringLiteral("&Cast"), QStringLiteral("castAction"), &ChartWindow::cast,
                       QKeySequence(Qt::CTRL | Qt::Key_R));
  enterAction_ = action(QStringLiteral("&Enter Figures..."), QStringLiteral("enterAction"),
                        &ChartWindow::enterFigures, QKeySequence(Qt::CTRL | Qt::Key_E));
  openJournalAction_ = action(QStringLiteral("&Open Journal..."), QStringLiteral("openJournal"),
                              &ChartWindow::chooseJournal, QKeySequence::Open);
  // Not QKeySequence::SaveAs, which has no key on Windows nor on a plain X11 desktop.
  savePictureAction_ = action(QStringLiteral("&Save Picture As..."), QStringLiteral("savePicture"),
                              &ChartWindow::savePicture,
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  exportPdfAction_ = action(QStringLiteral("&Export PDF..."), QStringLiteral("exportPdf"),
                            &ChartWindow::exportPdf, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
  printAction_ = action(QStringLiteral("&Print..."), QStringLiteral("print"), &ChartWindow::print,
                        QKeySequence::Print);
  quitAction_ = action(QStringLiteral("&Quit"), QStringLiteral("quit"), &QWidget::close,
                       QKeySequence::Quit);
  copyAction_ = action(QStringLiteral("&Copy Judgement"), QStringLiteral("copy"),
                       &ChartWindow::copyJudgement, QKeySequence::Copy);
  // A text field with the focus copies its own selection.
  copyAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  aboutAction_ = action(QStringLiteral("&About QX Geomancy Chart"), QStringLiteral("about"),
                        &ChartWindow::about);
  // How the figures stand in the houses: one order or the other, remembered.
  traditionalOrderAction_ =
      action(QStringLiteral("Houses in the &Traditional Order"), QStringLiteral("traditionalOrder"),
             &ChartWindow::judgeAgain);
  goldenDawnOrderAction_ = action(QStringLiteral("Houses in the &Golden Dawn's Order"),
                                  QStringLiteral("goldenDawnOrder"), &ChartWindow::judgeAgain);
  auto* orders = new QActionGroup(this);
  for (QAction* order : {traditionalOrderAction_, goldenDawnOrderAction_}) {
    order->setCheckable(true);
    orders->addAction(order);
  }
  traditionalOrderAction_->setChecked(true);
  for (QAction* needsReading : {savePictureAction_, exportPdfAction_, printAction_, copyAction_}) {
    needsReading->setEnabled(false);
  }
}

void ChartWindow::createMenus() {
  menuBar()->setNativeMenuBar(false);
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->addAction(openJournalAction_);
  file->addSeparator();
  file->addActions({savePictureAction_, exportPdfAction_, printAction_});
  file->addSeparator();
  file->addAction(quitAction_);
  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  edit->addAction(copyAction_);
  QMenu* reading = menuBar()->addMenu(QStringLiteral("&Reading"));
  reading->addActions({castAction_, enterAction_});
  reading->addSeparator();
  reading->addActions({traditionalOrderAction_, goldenDawnOrderAction_});
  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->addAction(aboutAction_);
  addAction(copyAction_);
}

QWidget* ChartWindow::createReadingPanel() {
  auto* panel = new QWidget(this);
  question_ = new QLineEdit(panel);
  question_->setObjectName(QStringLiteral("question"));
  question_->setAccessibleName(QStringLiteral("Question"));
  question_->setPlaceholderText(QStringLiteral("What the reading asks (may be left empty)"));
  questionProblem_ = new QLabel(panel);
  questionProblem_->setObjectName(QStringLiteral("questionProblem"));
  showAsProblem(*questionProblem_);
  connect(question_, &QLineEdit::textEdited, questionProblem_, &QLabel::clear);
  querent_ = new QComboBox(panel);
  querent_->setObjectName(QStringLiteral("querent"));
  querent_->setAccessibleName(QStringLiteral("The querent's house"));
  house_boxes::fill(*querent_, false);
  quesited_ = new QComboBox(panel);
  quesited_->setObjectName(QStringLiteral("quesited"));
  quesited_->setAccessibleName(QStringLiteral("The quesited's house"));
  house_boxes::fill(*quesited_, true);
  topic_ = new QComboBox(panel);
  topic_->setObjectName(QStringLiteral("topic"));
  topic_->setAccessibleName(QStringLiteral("What the question is about"));
  house_boxes::fillTopics(*topic_);
  connect(querent_, &QComboBox::currentIndexChanged, this, &ChartWindow::judgeAgain);
  connect(quesited_, &QComboBox::currentIndexChanged, this, &ChartWindow::quesitedChosen);
  connect(topic_, &QComboBox::currentIndexChanged, this, &ChartWindow::topicChosen);
  auto* castButton = new QPushButton(QStringLiteral("&Cast"), panel);
  castButton->setObjectName(QStringLiteral("cast"));
  connect(castButton, &QPushButton::clicked, this, &ChartWindow::cast);
  auto* enterButton = new QPushButton(QStringLiteral("E&nter Figures..."), panel);
  enterButton->setObjectName(QStringLiteral("enterFigures"));
  connect(enterButton, &QPushButton::clicked, this, &ChartWindow::enterFigures);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Question:"), question_);
  form->addRow(QString(), questionProblem_);
  form->addRow(QStringLiteral("Q&uerent's house:"), querent_);
  form->addRow(QStringLiteral("Quesi&ted's house:"), quesited_);
  form->addRow(QStringLiteral("To&pic:"), topic_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(castButton);
  buttons->addWidget(enterButton);
  auto* layout = new QVBoxLayout(panel);
  layout->addLayout(form);
  layout->addLayout(buttons);
  journal_ = new JournalPanel(panel);
  connect(journal_, &JournalPanel::chosen, this, &ChartWindow::showChosen);
  layout->addWidget(journal_, 1);
  return panel;
}

void ChartWindow::restoreSettings() {
  QSettings& settings = seams_.settings;
  restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray());
  house_boxes::select(*querent_, *quesited_, settings.value(QStringLiteral("querent"), 1).toInt(),
                      settings.value(QStringLiteral("quesited"), 0).toInt());
  house_boxes::selectTopic(
      *topic_, geomancy::topicNamed(settings.value(QStringLiteral("topic")).toString().toStdString()));
  showOrder(geomancy::orderNamed(settings.value(QStringLiteral("order")).toString().toStdString())
                .value_or(geomancy::HouseOrder::Traditional));
  const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  journalPath_ = settings
                     .value(QStringLiteral("journal"),
                            QDir(dataFolder).filePath(QStringLiteral("journal.jsonl")))
                     .toString();
}

void ChartWindow::closeEvent(QCloseEvent* event) {
  QSettings& settings = seams_.settings;
  settings.setValue(QStringLiteral("geometry"), saveGeometry());
  settings.setValue(QStringLiteral("querent"), querent_->currentData());
  settings.setValue(QStringLiteral("quesited"), quesited_->currentData());
  settings.setValue(QStringLiteral("topic"), topic_->currentData());
  settings.setValue(QStringLiteral("order"), QString::fromLatin1(geomancy::orderName(order())));
  settings.setValue(QStringLiteral("journal"), journalPath_);
  settings.sync();
  event->accept();
  emit closed();
}

std::optional<std::string> ChartWindow::question() {
  const std::string text = question_->text().toStdString();
  if (text.empty()) return text;
  const std::string fault = formats::questionFault(text);
  if (fault.empty()) return text;
  questionProblem_->setText(QStringLiteral("The question ") + QString::fromStdString(fault) +
                            QLatin1Char('.'));
  question_->setFocus();
  return std::nullopt;
}

void ChartWindow::cast() {
  if (const std::optional<std::string> asked = question()) {
    keep(geomancy::castMothers(seams_.random), *asked, false);
  }
}

void ChartWindow::enterFigures() {
  const std::optional<std::string> asked = question();
  if (!asked) return;
  FigureEntryDialog dialog(this);
  if (dialog.exec() != QDialog::Accepted || !dialog.mothers()) return;
  keep(*dialog.mothers(), *asked, true);
}

void ChartWindow::keep(const std::array<geomancy::FigureMask, geomancy::kMotherCount>& mothers,
                       const std::string& question, bool byHand) {
  journal::Entry entry{mothers, request(), question, seams_.now(), byHand};
  display(entry);
  QDir().mkpath(QFileInfo(journalPath_).absolutePath());
  if (const std::error_code error = journal::appendEntry(journalPath_.toStdString(), entry)) {
    seams_.dialogs.report(this, QStringLiteral("The reading could not be added to the journal "
                                               "\"%1\": %2. It stays on screen, and can still be "
                                               "saved.")
                                    .arg(journalPath_, QString::fromStdString(error.message())));
    return;
  }
  journal_->add(std::move(entry));
}

void ChartWindow::display(const journal::Entry& entry) {
  // Looked up at the first reading, not at the start: finding the face takes a while.
  if (!shown_) judgement_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  shown_ = entry;
  const geomancy::ChartAnalysis analysis = journal::analysisOf(entry);
  chart_->setLayout(formats::layOutChart(analysis, {entry.question, entry.castAt}));
  handbook::Judgement judgement;
  handbook::judge(analysis, judgement);
  std::string text;
  formats::appendReadingInWords(text, analysis, judgement, entry.question);
  judgement_->setPlainText(QString::fromStdString(text));
  for (QAction* needsReading : {savePictureAction_, exportPdfAction_, printAction_, copyAction_}) {
    needsReading->setEnabled(true);
  }
}

void ChartWindow::judgeAgain() {
  house_boxes::keepApart(*querent_, *quesited_);
  if (!shown_) return;
  journal::Entry entry = *shown_;
  entry.request = request();
  display(entry);
}

void ChartWindow::quesitedChosen() {
  house_boxes::suggestTopic(*topic_, quesited_->currentData().toInt());
  judgeAgain();
}

// A topic chosen with no quesited's house names its house, as the caster's --topic does.
void ChartWindow::topicChosen() {
  const std::optional<geomancy::Topic> topic = house_boxes::topicOf(*topic_);
  if (topic && *topic != geomancy::Topic::Life && quesited_->currentData().toInt() == 0) {
    house_boxes::select(*querent_, *quesited_, querent_->currentData().toInt(),
                        geomancy::usualHouse(*topic));
  }
  judgeAgain();
}

geomancy::HouseOrder ChartWindow::order() const {
  return goldenDawnOrderAction_->isChecked() ? geomancy::HouseOrder::GoldenDawn
                                             : geomancy::HouseOrder::Traditional;
}

void ChartWindow::showOrder(geomancy::HouseOrder order) {
  (order == geomancy::HouseOrder::GoldenDawn ? goldenDawnOrderAction_ : traditionalOrderAction_)
      ->setChecked(true);
}

geomancy::AnalysisRequest ChartWindow::request() const {
  return house_boxes::request(*querent_, *quesited_, *topic_, order());
}

void ChartWindow::showChosen(const journal::Entry& entry) {
  const auto& houses = entry.request.question;
  house_boxes::select(*querent_, *quesited_, houses ? houses->querent : 1,
                      houses ? houses->quesited : 0);
  house_boxes::selectTopic(*topic_, entry.request.topic);
  showOrder(entry.request.order);
  question_->setText(QString::fromStdString(entry.question));
  questionProblem_->clear();  // whatever was wrong with the question typed before
  display(entry);
}

void ChartWindow::openJournal(const QString& path) {
  useJournal(path, readJournalFile(path));
}

void ChartWindow::useJournal(const QString& path, JournalContents contents) {
  journalPath_ = path;
  journal_->setEntries(std::move(contents.entries));
  if (contents.error) {
    seams_.dialogs.report(this, QStringLiteral("The journal \"%1\" cannot be read: %2.")
                                    .arg(path, QString::fromStdString(contents.error.message())));
  } else if (contents.damaged > 0) {
    seams_.dialogs.report(
        this, QStringLiteral("The journal \"%1\" has %2 damaged %3, skipped and left as they "
                             "are; the first is line %4.")
                  .arg(path)
                  .arg(contents.damaged)
                  .arg(contents.damaged == 1 ? QStringLiteral("line") : QStringLiteral("lines"))
                  .arg(contents.firstDamaged));
  }
}

void ChartWindow::chooseJournal() {
  const QString path = seams_.dialogs.journalToOpen(this, journalPath_);
  if (path.isEmpty()) return;
  JournalContents contents = readJournalFile(path);
  // Readings are only ever added to a journal: a file that cannot be read, or whose lines hold
  // not one reading (a user's notes, say), is not taken for one.
  QString refusal;
  if (contents.error) {
    refusal =
        QStringLiteral("cannot be read: %1").arg(QString::fromStdString(contents.error.message()));
  } else if (contents.entries.empty() && contents.damaged > 0) {
    refusal = QStringLiteral("is not a journal: none of its lines is a reading");
  }
  if (refusal.isEmpty()) return useJournal(path, std::move(contents));
  seams_.dialogs.report(this, QStringLiteral("The file \"%1\" %2. The journal is still \"%3\".")
                                  .arg(path, refusal, journalPath_));
}

void ChartWindow::savePicture() {
  if (!shown_) return;
  const ChartDialogs::Picture picture =
      seams_.dialogs.pictureToSave(this, QDir::home().filePath(QStringLiteral("chart.svg")));
  if (picture.path.isEmpty()) return;
  const formats::ChartLayout& layout = chart_->chartLayout();
  std::error_code error;
  if (picture.path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
    if (!drawing::chartImage(layout, picture.scale).save(picture.path, "PNG")) {
      error = std::make_error_code(std::errc::io_error);
    }
  } else {
    error = files::writeFileByName(picture.path.toStdString(), formats::svgOf(layout));
  }
  if (error) {
    seams_.dialogs.report(this, QStringLiteral("The picture cannot be written to \"%1\": %2.")
                                    .arg(picture.path, QString::fromStdString(error.message())));
  }
}

void ChartWindow::exportPdf() {
  if (!shown_) return;
  const QString path =
      seams_.dialogs.pdfToSave(this, QDir::home().filePath(QStringLiteral("chart.pdf")));
  if (path.isEmpty()) return;
  if (!drawing::writeChartPdf(path, chart_->chartLayout(), kTitle)) {
    seams_.dialogs.report(this, QStringLiteral("The PDF cannot be written to \"%1\".").arg(path));
  }
}

void ChartWindow::print() {
  if (shown_) seams_.dialogs.print(this, chart_->chartLayout());
}

void ChartWindow::copyJudgement() {
  QString selected = judgement_->textCursor().selectedText();
  selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  QGuiApplication::clipboard()->setText(selected.isEmpty() ? judgement_->toPlainText() : selected);
}

void ChartWindow::about() {
  QMessageBox::about(this, QStringLiteral("About QX Geomancy Chart"),
                     QStringLiteral("<p><b>QX Geomancy Chart</b> %1</p><p>The whole judgement of a "
                                    "geomantic chart: the Shield chart, the houses and the court, "
                                    "the Index, the Way of the Point, perfection and aspects, the "
                                    "reading in words by the method of Liber Gaias (The Equinox "
                                    "I:2, 1909), and a journal of readings.</p><p>Free software under the MIT "
                                    "licence.</p>")
                         .arg(QCoreApplication::applicationVersion()));
}
