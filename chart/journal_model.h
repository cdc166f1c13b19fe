// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>

#include <vector>

#include "journal.h"

// The readings of a journal as a table, newest first: when each was cast (UTC), its Judge and its
// question.
class JournalModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { CastAt, Judge, Question, ColumnCount };

  explicit JournalModel(QObject* parent = nullptr);

  void setEntries(std::vector<journal::Entry> entries);
  void add(journal::Entry entry);
  [[nodiscard]] const journal::Entry& entry(const QModelIndex& index) const;

  [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
  [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                    int role) const override;

 private:
  std::vector<journal::Entry> entries_;  // oldest first, as the journal holds them
};
