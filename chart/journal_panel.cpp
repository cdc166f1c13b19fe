// SPDX-License-Identifier: MIT
#include "journal_panel.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QVBoxLayout>

#include "journal_model.h"

JournalContents readJournalFile(const QString& path) {
  JournalContents contents;
  const QFileInfo file(path);
  if (file.isDir()) {
    contents.error = std::make_error_code(std::errc::is_a_directory);
  } else if (file.exists() && !file.isFile()) {
    contents.error = std::make_error_code(std::errc::invalid_argument);
  } else if (file.exists()) {
    contents.error = journal::readEntries(
        path.toStdString(),
        [&contents](const journal::Entry& entry) { contents.entries.push_back(entry); },
        [&contents](std::uint64_t line, std::string_view) {
          if (contents.damaged++ == 0) contents.firstDamaged = line;
        });
  }
  return contents;
}

JournalPanel::JournalPanel(QWidget* parent) : QWidget(parent) {
  auto* filter = new QLineEdit(this);
  filter->setObjectName(QStringLiteral("filter"));
  filter->setAccessibleName(QStringLiteral("Filter the readings by their question"));
  filter->setPlaceholderText(QStringLiteral("Filter by question"));
  filter->setClearButtonEnabled(true);
  journal_ = new JournalModel(this);
  filtered_ = new QSortFilterProxyModel(this);
  filtered_->setSourceModel(journal_);
  filtered_->setFilterKeyColumn(JournalModel::Question);
  filtered_->setFilterCaseSensitivity(Qt::CaseInsensitive);
  connect(filter, &QLineEdit::textChanged, filtered_, &QSortFilterProxyModel::setFilterFixedString);
  readings_ = new QTreeView(this);
  readings_->setObjectName(QStringLiteral("readings"));
  readings_->setAccessibleName(QStringLiteral("Readings in the journal, newest first"));
  readings_->setModel(filtered_);
  readings_->setRootIsDecorated(false);
  readings_->setUniformRowHeights(true);
  readings_->setAllColumnsShowFocus(true);
  readings_->header()->setStretchLastSection(true);
  readings_->header()->setSectionResizeMode(JournalModel::CastAt, QHeaderView::ResizeToContents);
  readings_->header()->setSectionResizeMode(JournalModel::Judge, QHeaderView::ResizeToContents);
  connect(readings_, &QTreeView::activated, this, [this](const QModelIndex& index) {
    const QModelIndex source = filtered_->mapToSource(index);
    if (source.isValid()) emit chosen(journal_->entry(source));
  });
  auto* label = new QLabel(QStringLiteral("&Journal:"), this);
  label->setBuddy(readings_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label);
  layout->addWidget(filter);
  layout->addWidget(readings_, 1);
}

void JournalPanel::setEntries(std::vector<journal::Entry> entries) {
  journal_->setEntries(std::move(entries));
}

void JournalPanel::add(journal::Entry entry) {
  journal_->add(std::move(entry));
}
