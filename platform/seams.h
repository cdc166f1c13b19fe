// SPDX-License-Identifier: MIT
#pragma once

class Calendar;
class InstanceLock;
class ProcessEnd;
class SettingsStore;

namespace geomancy {
class RandomSource;
}
class LinkLauncher;
class MessagePresenter;

// Every contact of the program with its platform, each behind a small interface: the program
// runs on the real ones (DesktopPlatform), tests on fakes.
struct Seams {
  geomancy::RandomSource& random;
  LinkLauncher& launcher;
  MessagePresenter& messages;
  SettingsStore& settings;
  const Calendar& calendar;
  InstanceLock& instanceLock;
  ProcessEnd& processEnd;
};
