// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

#include <functional>
#include <optional>

#include "cast_time.h"
#include "chart_analysis.h"
#include "journal.h"

class ChartDialogs;
class ChartView;
class JournalPanel;
struct JournalContents;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSettings;

namespace geomancy {
class RandomSource;
}

// What the chart program's window needs from outside: chance, the time, the user's dialogs and
// the program's own settings.
struct ChartSeams {
  geomancy::RandomSource& random;
  std::function<formats::CastTime()> now;
  ChartDialogs& dialogs;
  QSettings& settings;
};

// QX Geomancy Chart: a question, a reading cast or entered, the querent's and the quesited's
// houses, the chart as the caster draws it and the judgement as it writes it, and the journal of
// readings, newest first. Every reading is added to the journal at once.
class ChartWindow final : public QMainWindow {
  Q_OBJECT

 public:
  explicit ChartWindow(ChartSeams seams, QWidget* parent = nullptr);
  ~ChartWindow() override;

  // The journal's file as the settings name it, or the one in the user's data folder.
  [[nodiscard]] QString journalPath() const { return journalPath_; }
  // The reading shown, if any.
  [[nodiscard]] const std::optional<journal::Entry>& shown() const noexcept { return shown_; }
  // Reads the journal anew; a journal that cannot be read is reported.
  void openJournal(const QString& path);

  void cast();
  void enterFigures();

 signals:
  // The window has closed: the program ends with it.
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void createActions();
  void createMenus();
  QWidget* createReadingPanel();
  void restoreSettings();

  // The question as typed, or nothing (and its problem shown) when it cannot be asked.
  [[nodiscard]] std::optional<std::string> question();
  // Shows the reading and adds it to the journal.
  void keep(const std::array<geomancy::FigureMask, geomancy::kMotherCount>& mothers,
            const std::string& question, bool byHand);
  void display(const journal::Entry& entry);
  void judgeAgain();
  void quesitedChosen();
  void topicChosen();
  [[nodiscard]] geomancy::HouseOrder order() const;
  void showOrder(geomancy::HouseOrder order);
  [[nodiscard]] geomancy::AnalysisRequest request() const;
  void showChosen(const journal::Entry& entry);

  void savePicture();
  void exportPdf();
  void print();
  void copyJudgement();
  // Asks for a journal to open, and opens it if it is one.
  void chooseJournal();
  // The journal's readings listed, and new readings added to it.
  void useJournal(const QString& path, JournalContents contents);
  void about();

  ChartSeams seams_;
  QString journalPath_;
  std::optional<journal::Entry> shown_;

  QLineEdit* question_ = nullptr;
  QLabel* questionProblem_ = nullptr;
  QComboBox* querent_ = nullptr;
  QComboBox* quesited_ = nullptr;
  QComboBox* topic_ = nullptr;
  ChartView* chart_ = nullptr;
  QPlainTextEdit* judgement_ = nullptr;
  JournalPanel* journal_ = nullptr;

  QAction* castAction_ = nullptr;
  QAction* enterAction_ = nullptr;
  QAction* openJournalAction_ = nullptr;
  QAction* savePictureAction_ = nullptr;
  QAction* exportPdfAction_ = nullptr;
  QAction* printAction_ = nullptr;
  QAction* quitAction_ = nullptr;
  QAction* copyAction_ = nullptr;
  QAction* aboutAction_ = nullptr;
  QAction* traditionalOrderAction_ = nullptr;
  QAction* goldenDawnOrderAction_ = nullptr;
};
