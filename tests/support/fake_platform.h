// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QList>
#include <QLocale>
#include <QTemporaryDir>
#include <vector>

#include "calendar.h"
#include "instance_lock.h"
#include "process_end.h"
#include "recording_link_launcher.h"
#include "scripted_message_presenter.h"
#include "scripted_random_source.h"
#include "seams.h"
#include "settings_store.h"
#include "update_reminder.h"

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
  [[nodiscard]] Seams seams(LinkLauncher& otherLauncher) {
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
