#pragma once

#include <QDate>
#include <QList>
#include <QLocale>
#include <QPointer>
#include <QTemporaryDir>
#include <QWidget>
#include <deque>
#include <functional>
#include <vector>

#include "instance_lock.h"
#include "message_presenter.h"
#include "process_end.h"
#include "recording_link_launcher.h"
#include "scripted_random_source.h"
#include "seams.h"
#include "settings_store.h"
#include "update_reminder.h"

// Answers the program's message boxes: with the scripted answers in order, then with each box's
// default button. Keeps what was shown.
class ScriptedMessagePresenter final : public links::MessagePresenter {
 public:
  struct Shown {
    links::MessageKind kind;
    QString text;
    QPointer<QWidget> over;
  };

  links::MessageAnswer present(links::MessageKind kind, const QString& text,
                               QWidget* over) override {
    shown.append(Shown{kind, text, over});
    if (whileShown) whileShown();
    if (!answers.empty()) {
      const links::MessageAnswer answer = answers.front();
      answers.pop_front();
      return answer;
    }
    return kind == links::MessageKind::Question ? links::MessageAnswer::Yes
                                                : links::MessageAnswer::Ok;
  }

  [[nodiscard]] QStringList texts() const {
    QStringList result;
    for (const Shown& message : shown) result << message.text;
    return result;
  }

  QList<Shown> shown;
  std::deque<links::MessageAnswer> answers;
  // Runs while a message is up, to look at the program at that moment.
  std::function<void()> whileShown;
};

class FixedCalendar final : public Calendar {
 public:
  [[nodiscard]] QDate today() const override { return date; }
  [[nodiscard]] QLocale locale() const override { return userLocale; }

  QDate date{2026, 12, 7};
  QLocale userLocale{QLocale::English, QLocale::UnitedStates};
};

class FakeInstanceLock final : public InstanceLock {
 public:
  [[nodiscard]] bool anotherInstanceRunning() override {
    ++asked;
    return othersRunning;
  }
  void release() override { ++released; }

  bool othersRunning = false;
  int asked = 0;
  int released = 0;
};

// Keeps the statuses the program ended with, and returns.
class RecordingProcessEnd final : public ProcessEnd {
 public:
  void endProcess(int status) override { statuses.append(status); }

  QList<int> statuses;
};

// Every seam of the program as a fake: scripted draws, recorded addresses and messages, a
// settings file in a fresh temporary folder, a fixed date, a lock and a process end of its own.
class FakePlatform {
 public:
  explicit FakePlatform(std::vector<float> draws = {})
      : random(std::move(draws)), settings(settingsFile()) {}
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  [[nodiscard]] Seams seams() { return seams(launcher); }
  [[nodiscard]] Seams seams(links::LinkLauncher& otherLauncher) {
    return Seams{random, otherLauncher, messages, settings, calendar, instanceLock, processEnd};
  }
  [[nodiscard]] QString settingsFile() const {
    return folder.filePath(QStringLiteral("QXFreeGeomancy.conf"));
  }

  QTemporaryDir folder;
  ScriptedRandomSource random;
  RecordingLinkLauncher launcher;
  ScriptedMessagePresenter messages;
  QSettingsStore settings;
  FixedCalendar calendar;
  FakeInstanceLock instanceLock;
  RecordingProcessEnd processEnd;
};
