#pragma once

class Calendar;
class InstanceLock;
class ProcessEnd;
class SettingsStore;

namespace geomancy {
class RandomSource;
}
namespace links {
class LinkLauncher;
class MessagePresenter;
}  // namespace links

// Every contact of the program with its platform, each behind a small interface: the program
// runs on the real ones (DesktopPlatform), tests on fakes.
struct Seams {
  geomancy::RandomSource& random;
  links::LinkLauncher& launcher;
  links::MessagePresenter& messages;
  SettingsStore& settings;
  const Calendar& calendar;
  InstanceLock& instanceLock;
  ProcessEnd& processEnd;
};
