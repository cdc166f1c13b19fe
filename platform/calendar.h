// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QLocale>

// Today's date and the user's date format.
class Calendar {
 public:
  virtual ~Calendar() = default;
  [[nodiscard]] virtual QDate today() const = 0;
  [[nodiscard]] virtual QLocale locale() const = 0;
};

class SystemCalendar final : public Calendar {
 public:
  [[nodiscard]] QDate today() const override { return QDate::currentDate(); }
  [[nodiscard]] QLocale locale() const override { return QLocale(); }
};
