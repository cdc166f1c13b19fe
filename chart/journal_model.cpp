// SPDX-License-Identifier: MIT
#include "journal_model.h"

#include "catalogue.h"
#include "shield_rules.h"

JournalModel::JournalModel(QObject* parent) : QAbstractTableModel(parent) {}

void JournalModel::setEntries(std::vector<journal::Entry> entries) {
  beginResetModel();
  entries_ = std::move(entries);
  endResetModel();
}

void JournalModel::add(journal::Entry entry) {
  beginInsertRows({}, 0, 0);
  entries_.push_back(std::move(entry));
  endInsertRows();
}

const journal::Entry& JournalModel::entry(const QModelIndex& index) const {
  return entries_[entries_.size() - 1 - static_cast<std::size_t>(index.row())];
}

int JournalModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int JournalModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant JournalModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
  const journal::Entry& shown = entry(index);
  switch (index.column()) {
    case CastAt:
      return QString::fromStdString(shown.castAt.dateAndTime());
    case Judge: {
      const auto judge = geomancy::shieldMasks(shown.mothers)[geomancy::kJudgePosition];
      const std::string_view name = geomancy::entryForMask(judge).latinName;
      return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }
    case Question:
      return QString::fromStdString(shown.question);
    default:
      return {};
  }
}

QVariant JournalModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case CastAt:
      return QStringLiteral("Cast (UTC)");
    case Judge:
      return QStringLiteral("Judge");
    case Question:
      return QStringLiteral("Question");
    default:
      return {};
  }
}
