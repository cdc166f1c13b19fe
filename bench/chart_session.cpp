// SPDX-License-Identifier: MIT
// The chart program over a long life: a journal of 10,000 readings opened and listed, then 10,000
// readings cast in one session with the window drawn after each, and the memory in use after the
// first and after the last. Run it on a display of its own, or offscreen:
//   QT_QPA_PLATFORM=offscreen build/bench/qxg_chart_session [READINGS]   (default 10000)
#include <malloc.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include <cstdio>
#include <random>

#include "chart_dialogs.h"
#include "chart_window.h"
#include "journal.h"
#include "random_source.h"
#include "reading_caster.h"

namespace {

class EndlessRandomSource final : public geomancy::RandomSource {
 public:
  float draw() override { return geomancy::drawFromBits(static_cast<std::uint32_t>(engine_())); }
  void seed(std::uint64_t) override {}

 private:
  std::mt19937 engine_{1};
};

class SilentDialogs final : public ChartDialogs {
 public:
  QString journalToOpen(QWidget*, const QString&) override { return {}; }
  Picture pictureToSave(QWidget*, const QString&) override { return {}; }
  QString pdfToSave(QWidget*, const QString&) override { return {}; }
  void print(QWidget*, const formats::ChartLayout&) override {}
  void report(QWidget*, const QString& text) override {
    std::fprintf(stderr, "reported: %s\n", qPrintable(text));
  }
};

double residentKb() {
  (void)malloc_trim(0);
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').at(0).toDouble();
  }
  return -1;
}

// A journal of `readings` analysed readings with questions, as the caster or the window write
// them.
bool writeJournal(const QString& path, int readings) {
  geomancy::ReadingCaster caster(7);
  journal::Appender journal(path.toStdString());
  for (int i = 0; i < readings && !journal.error(); ++i) {
    const geomancy::ShieldMasks chart = caster.next();
    journal::Entry entry;
    std::copy_n(chart.begin(), geomancy::kMotherCount, entry.mothers.begin());
    entry.request = {.houses = true, .question = geomancy::QuestionHouses{1, 2 + i % 11}};
    entry.question = "Question number " + std::to_string(i) + ": will it come to pass?";
    entry.castAt = formats::CastTime::at(std::chrono::system_clock::now());
    if (journal.append(journal::analysisOf(entry), entry.question,
                       {entry.castAt, entry.request, false})) {
      return false;
    }
  }
  return !journal.finish();
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const int readings = argc > 1 ? std::atoi(argv[1]) : 10000;
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("journal.jsonl"));
  if (readings < 1 || !writeJournal(path, readings)) {
    std::fprintf(stderr, "usage: %s [READINGS]; the journal could not be written\n", argv[0]);
    return 2;
  }
  QSettings settings(folder.filePath(QStringLiteral("chart.ini")), QSettings::IniFormat);
  settings.setValue(QStringLiteral("journal"), path);
  EndlessRandomSource random;
  SilentDialogs dialogs;
  ChartWindow window(
      {random, [] { return formats::CastTime::at(std::chrono::system_clock::now()); }, dialogs,
       settings});
  window.resize(1400, 850);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;

  QElapsedTimer opening;
  opening.start();
  window.openJournal(path);
  auto* list = window.findChild<QTreeView*>(QStringLiteral("readings"));
  list->viewport()->repaint();
  std::printf("a journal of %d readings opened and listed: %.0f ms (%d rows)\n", readings,
              static_cast<double>(opening.nsecsElapsed()) / 1e6, list->model()->rowCount());

  // A journal of its own for the session, so that its size does not count.
  window.openJournal(folder.filePath(QStringLiteral("session.jsonl")));
  double first = 0;
  for (int cast = 1; cast <= readings; ++cast) {
    window.cast();
    window.repaint();
    if (cast == 1) first = residentKb();
  }
  const double last = residentKb();
  std::printf("resident after the first cast %.0f kB, after cast %d %.0f kB: %+.1f MB\n", first,
              readings, last, (last - first) / 1024.0);
  return 0;
}
