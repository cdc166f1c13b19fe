// SPDX-License-Identifier: MIT
#pragma once

#include "calendar.h"
#include "instance_lock.h"
#include "link_launcher.h"
#include "message_presenter.h"
#include "process_end.h"
#include "random_source.h"
#include "seams.h"
#include "settings_store.h"

// The real platform the program runs on: the browser, real message boxes, the user's settings,
// the system clock, the lock file of the single instance, and the end of the process.
class DesktopPlatform {
 public:
  DesktopPlatform() = default;
  DesktopPlatform(const DesktopPlatform&) = delete;
  DesktopPlatform& operator=(const DesktopPlatform&) = delete;

  [[nodiscard]] Seams seams() {
    return Seams{random_, launcher_, messages_, settings_, calendar_, instanceLock_, processEnd_};
  }

 private:
  geomancy::PseudoRandomSource random_;
  DesktopLinkLauncher launcher_;
  QtMessagePresenter messages_;
  QSettingsStore settings_;
  SystemCalendar calendar_;
  LockFileInstanceLock instanceLock_;
  ImmediateProcessEnd processEnd_;
};
