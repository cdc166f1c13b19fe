// SPDX-License-Identifier: MIT
#include "chart_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <array>

#include "chart_dialogs.h"
#include "chart_layout.h"
#include "chart_painter.h"
#include "chart_svg.h"
#include "chart_text.h"
#include "chart_view.h"
#include "figure_entry_dialog.h"
#include "file_by_name.h"
#include "journal_model.h"
#include "problem_label.h"
#include "reading_caster.h"
#include "user_text.h"

namespace {

const QString kTitle = QStringLiteral("QX Geomancy Chart");

// What each house is asked about.
constexpr std::array<const char*, geomancy::kHouseCount> kHouseMatters{
    "the querent: life, body, character",
    "money, possessions, gain, theft",
    "brothers and sisters, neighbours, short journeys, letters",
    "father, home, land, hidden things, the end of the matter",
    "children, pregnancy, pleasure, news",
    "illness, servants, small animals",
    "marriage, partners, open enemies, lawsuits, thieves",
    "death, inheritance, others' money",
    "long journeys, religion, learning, dreams",
    "honours, office, career, authority",
    "friends, hopes, patrons",
    "secret enemies, prison, sorrow, large animals",
};

// The houses listed with what each is asked about; the quesited's may be none (data 0).
void fillHouses(QComboBox* houses, bool withNone) {
  // The list shows each house whole; the box itself need not be as wide.
  houses->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  houses->setMinimumContentsLength(16);
  if (withNone) houses->addItem(QStringLiteral("None"), 0);
  for (int house = 1; house <= geomancy::kHouseCount; ++house) {
    houses->addItem(QStringLiteral("%1: %2").arg(house).arg(QLatin1String(kHouseMatters[house - 1])),
                    house);
  }
}

// The house that `other` holds cannot be chosen in `houses`: the two are never the same.
void keepApart(QComboBox* houses, const QComboBox* other) {
  auto* model = qobject_cast<QStandardItemModel*>(houses->model());
  for (int row = 0; row < houses->count(); ++row) {
    const int house = houses->itemData(row).toInt();
    model->item(row)->setEnabled(house == 0 || house != other->currentData().toInt());
  }
}

void selectHouse(QComboBox* houses, int house) {
  const int row = houses->findData(house);
  if (row >= 0) houses->setCurrentIndex(row);
}

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
  fillHouses(querent_, false);
  quesited_ = new QComboBox(panel);
  quesited_->setObjectName(QStringLiteral("quesited"));
  quesited_->setAccessibleName(QStringLiteral("The quesited's house"));
  fillHouses(quesited_, true);
  for (QComboBox* houses : {querent_, quesited_}) {
    connect(houses, &QComboBox::currentIndexChanged, this, &ChartWindow::judgeAgain);
  }
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
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(castButton);
  buttons->addWidget(enterButton);
  auto* layout = new QVBoxLayout(panel);
  layout->addLayout(form);
  layout->addLayout(buttons);
  layout->addWidget(createJournalPanel(), 1);
  return panel;
}

QWidget* ChartWindow::createJournalPanel() {
  auto* panel = new QWidget(this);
  filter_ = new QLineEdit(panel);
  filter_->setObjectName(QStringLiteral("filter"));
  filter_->setAccessibleName(QStringLiteral("Filter the readings by their question"));
  filter_->setPlaceholderText(QStringLiteral("Filter by question"));
  filter_->setClearButtonEnabled(true);
  journal_ = new JournalModel(this);
  filtered_ = new QSortFilterProxyModel(this);
  filtered_->setSourceModel(journal_);
  filtered_->setFilterKeyColumn(JournalModel::Question);
  filtered_->setFilterCaseSensitivity(Qt::CaseInsensitive);
  connect(filter_, &QLineEdit::textChanged, filtered_, &QSortFilterProxyModel::setFilterFixedString);
  readings_ = new QTreeView(panel);
  readings_->setObjectName(QStringLiteral("readings"));
  readings_->setAccessibleName(QStringLiteral("Readings in the journal, newest first"));
  readings_->setModel(filtered_);
  readings_->setRootIsDecorated(false);
  readings_->setUniformRowHeights(true);
  readings_->setAllColumnsShowFocus(true);
  readings_->header()->setStretchLastSection(true);
  readings_->header()->setSectionResizeMode(JournalModel::CastAt, QHeaderView::ResizeToContents);
  readings_->header()->setSectionResizeMode(JournalModel::Judge, QHeaderView::ResizeToContents);
  connect(readings_, &QTreeView::activated, this, &ChartWindow::showSelected);
  auto* label = new QLabel(QStringLiteral("&Journal:"), panel);
  label->setBuddy(readings_);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label);
  layout->addWidget(filter_);
  layout->addWidget(readings_, 1);
  return panel;
}

void ChartWindow::restoreSettings() {
  QSettings& settings = seams_.settings;
  restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray());
  const QSignalBlocker querentQuiet(querent_);
  const QSignalBlocker quesitedQuiet(quesited_);
  selectHouse(querent_, settings.value(QStringLiteral("querent"), 1).toInt());
  selectHouse(quesited_, settings.value(QStringLiteral("quesited"), 0).toInt());
  if (querent_->currentData() == quesited_->currentData()) selectHouse(quesited_, 0);
  keepApart(querent_, quesited_);
  keepApart(quesited_, querent_);
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
  settings.setValue(QStringLiteral("journal"), journalPath_);
  settings.sync();
  event->accept();
  emit closed();
}

geomancy::AnalysisRequest ChartWindow::request() const {
  geomancy::AnalysisRequest request{true, std::nullopt};
  const int querent = querent_->currentData().toInt();
  const int quesited = quesited_->currentData().toInt();
  if (quesited != 0 && quesited != querent) request.question = {querent, quesited};
  return request;
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
  std::string text;
  formats::appendPlain(text, analysis, entry.question);
  judgement_->setPlainText(QString::fromStdString(text));
  for (QAction* needsReading : {savePictureAction_, exportPdfAction_, printAction_, copyAction_}) {
    needsReading->setEnabled(true);
  }
}

void ChartWindow::judgeAgain() {
  keepApart(querent_, quesited_);
  keepApart(quesited_, querent_);
  if (!shown_) return;
  journal::Entry entry = *shown_;
  entry.request = request();
  display(entry);
}

void ChartWindow::showSelected() {
  const QModelIndex index = filtered_->mapToSource(readings_->currentIndex());
  if (!index.isValid()) return;
  const journal::Entry entry = journal_->entry(index);
  {
    const QSignalBlocker querentQuiet(querent_);
    const QSignalBlocker quesitedQuiet(quesited_);
    selectHouse(querent_, entry.request.question ? entry.request.question->querent : 1);
    selectHouse(quesited_, entry.request.question ? entry.request.question->quesited : 0);
    keepApart(querent_, quesited_);
    keepApart(quesited_, querent_);
  }
  question_->setText(QString::fromStdString(entry.question));
  display(entry);
}

void ChartWindow::openJournal(const QString& path) {
  journalPath_ = path;
  std::vector<journal::Entry> entries;
  std::uint64_t damaged = 0;
  std::uint64_t firstDamaged = 0;
  std::error_code error;
  const QFileInfo file(path);
  if (file.isDir()) {
    error = std::make_error_code(std::errc::is_a_directory);
  } else if (file.exists() && !file.isFile()) {
    // A device or a pipe may never end: only a file is read as a journal.
    error = std::make_error_code(std::errc::invalid_argument);
  } else if (file.exists()) {
    error = journal::readEntries(
        path.toStdString(), [&entries](const journal::Entry& entry) { entries.push_back(entry); },
        [&](std::uint64_t line, std::string_view) {
          if (damaged++ == 0) firstDamaged = line;
        });
  }
  journal_->setEntries(std::move(entries));
  if (error) {
    seams_.dialogs.report(this, QStringLiteral("The journal \"%1\" cannot be read: %2.")
                                    .arg(path, QString::fromStdString(error.message())));
  } else if (damaged > 0) {
    seams_.dialogs.report(
        this, QStringLiteral("The journal \"%1\" has %2 damaged %3, skipped and left as they "
                             "are; the first is line %4.")
                  .arg(path)
                  .arg(damaged)
                  .arg(damaged == 1 ? QStringLiteral("line") : QStringLiteral("lines"))
                  .arg(firstDamaged));
  }
}

void ChartWindow::chooseJournal() {
  const QString path = seams_.dialogs.journalToOpen(this, journalPath_);
  if (!path.isEmpty()) openJournal(path);
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
                                    "the Index, the Way of the Point, perfection and aspects, and "
                                    "a journal of readings.</p><p>Free software under the MIT "
                                    "licence.</p>")
                         .arg(QCoreApplication::applicationVersion()));
}
