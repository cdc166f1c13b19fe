// SPDX-License-Identifier: MIT
#include "update_reminder.h"

#include <cstdlib>
#include <vector>

#include "calendar.h"
#include "message_presenter.h"
#include "seams.h"
#include "settings_store.h"
#include "web_page.h"

namespace {

const QString kSection = QStringLiteral("Settings");
const QString kKey = QStringLiteral("Duration");
// Two sentences on two lines, joined by a carriage return.
const QString kQuestion = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");
constexpr qint64 kQuietDays = 14;

QString shortFormat(const QLocale& locale) {
  return locale.dateFormat(QLocale::ShortFormat);
}

// The format with every year field widened to four digits; quoted text is left alone.
QString withFourDigitYear(const QString& format) {
  QString widened;
  bool quoted = false;
  for (qsizetype i = 0; i < format.size();) {
    const QChar c = format.at(i);
    if (c == QLatin1Char('\'')) quoted = !quoted;
    if (!quoted && c == QLatin1Char('y')) {
      while (i < format.size() && format.at(i) == QLatin1Char('y')) ++i;
      widened += QStringLiteral("yyyy");
      continue;
    }
    widened += c;
    ++i;
  }
  return widened;
}

qint64 distance(QDate from, QDate to) {
  return std::llabs(from.daysTo(to));
}

// Of the candidates, the valid date nearest today (the earlier one on a tie).
std::optional<QDate> nearestToday(const std::vector<QDate>& candidates, QDate today) {
  std::optional<QDate> nearest;
  for (const QDate candidate : candidates) {
    if (!candidate.isValid()) continue;
    if (!nearest || distance(today, candidate) < distance(today, *nearest)) nearest = candidate;
  }
  return nearest;
}

// A date written with a two-digit year. Qt reads such a year into the 1900s, so the month and
// day are taken from there and the year moved to the century nearest today. 29 February of a
// year that the 1900s lack (such as "00") does not read at all; it is found by writing the leap
// days around today in the same format.
std::optional<QDate> fromTwoDigitYear(const QString& text, const QLocale& locale, QDate today) {
  const QString format = shortFormat(locale);
  if (format == withFourDigitYear(format)) return std::nullopt;

  std::vector<QDate> candidates;
  const QDate parsed = locale.toDate(text, format);
  if (parsed.isValid()) {
    const int twoDigits = parsed.year() % 100;
    const int century = today.year() - today.year() % 100;
    for (const int start : {century - 100, century, century + 100}) {
      candidates.emplace_back(start + twoDigits, parsed.month(), parsed.day());
    }
  } else {
    for (int year = today.year() - 100; year <= today.year() + 100; ++year) {
      const QDate leapDay(year, 2, 29);
      if (leapDay.isValid() && locale.toString(leapDay, format) == text) {
        candidates.push_back(leapDay);
      }
    }
  }
  return nearestToday(candidates, today);
}

}  // namespace

namespace reminderDate {

// Some locales write digits that Qt cannot read back (those outside the Basic Multilingual
// Plane); their dates are written with ASCII digits in the same format.
QString toText(QDate date, const QLocale& locale) {
  const QString format = withFourDigitYear(shortFormat(locale));
  const QString text = locale.toString(date, format);
  if (locale.toDate(text, format) == date) return text;
  return QLocale::c().toString(date, format);
}

std::optional<QDate> fromText(const QString& text, const QLocale& locale, QDate today) {
  const QString format = withFourDigitYear(shortFormat(locale));
  for (const QLocale& reader : {locale, QLocale::c()}) {
    const QDate date = reader.toDate(text, format);
    if (date.isValid()) return date;
  }
  return fromTwoDigitYear(text, locale, today);
}

}  // namespace reminderDate

void checkUpdateReminder(const Seams& seams) {
  const QDate today = seams.calendar.today();
  const QLocale locale = seams.calendar.locale();
  const QString todayText = reminderDate::toText(today, locale);

  const std::optional<QString> stored = seams.settings.read(kSection, kKey);
  if (!stored) return;
  if (stored->isEmpty()) {
    (void)seams.settings.write(kSection, kKey, todayText);
    return;
  }
  const std::optional<QDate> lastAsked = reminderDate::fromText(*stored, locale, today);
  // A date that cannot be read (most often one written before the user changed their date
  // format) asks nothing today, and is replaced so that the reminder comes back in due time.
  if (!lastAsked) {
    (void)seams.settings.write(kSection, kKey, todayText);
    return;
  }
  if (distance(today, *lastAsked) <= kQuietDays) return;

  const bool yes = seams.messages.askYesNo(kQuestion);
  if (!seams.settings.write(kSection, kKey, todayText)) return;
  if (yes) openWebPage(seams.launcher, web::Page::UpdatePage);
}
