// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

#include <cstdint>
#include <system_error>
#include <vector>

#include "journal.h"

class JournalModel;
class QSortFilterProxyModel;
class QTreeView;

// What a journal's file held: its readings, or why it could not be read, and its damaged lines.
struct JournalContents {
  std::vector<journal::Entry> entries;
  std::error_code error;
  std::uint64_t damaged = 0;
  std::uint64_t firstDamaged = 0;  // the number of the first damaged line
};

// Only a file is read as a journal: a device or a pipe may never end. A missing file holds none.
[[nodiscard]] JournalContents readJournalFile(const QString& path);

// The journal's readings, newest first, with a filter on their question; Enter (or a double
// click) on one chooses it.
class JournalPanel final : public QWidget {
  Q_OBJECT

 public:
  explicit JournalPanel(QWidget* parent = nullptr);

  void setEntries(std::vector<journal::Entry> entries);
  void add(journal::Entry entry);

 signals:
  void chosen(const journal::Entry& entry);

 private:
  JournalModel* journal_ = nullptr;
  QSortFilterProxyModel* filtered_ = nullptr;
  QTreeView* readings_ = nullptr;
};
