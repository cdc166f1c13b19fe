// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

struct Seams;

// Once per start, before the casting window: if the reminder last asked (or the program first
// ran) more than 14 days before or after today, asks whether to look for an update, stores
// today, and opens the update page on Yes. A stored date it cannot read is replaced by today's,
// without a question. The first failure ends it silently.
void checkUpdateReminder(const Seams& seams);

// The date as the reminder stores it: the user's short date format with the year in four digits.
namespace reminderDate {

[[nodiscard]] QString toText(QDate date, const QLocale& locale);

// Reads a stored date back. Besides the form toText writes, it takes the user's short format
// with a two-digit year, placed in the century that puts the date nearest `today`.
[[nodiscard]] std::optional<QDate> fromText(const QString& text, const QLocale& locale,
                                            QDate today);

}  // namespace reminderDate
