// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <span>

class LinkLauncher;
class QMainWindow;
class QMenuBar;

// The menu bar of the casting or the result window and its commands. The bar is kept inside the
// window (never the platform's global bar, which would drop the two commands that stand on the
// bar itself). Each command is created, described and connected by one row of its bar's table;
// every menu and action carries its objectName. "Make Money &Online" is shown disabled.
class WindowMenus : public QObject {
  Q_OBJECT

 public:
  enum class Kind { Casting, Result };

  WindowMenus(Kind kind, LinkLauncher& launcher, QMainWindow& window);

  [[nodiscard]] QMenuBar& bar() const { return *bar_; }

 signals:
  // The result window's File > Back was chosen.
  void backChosen();

 private:
  using Command = void (WindowMenus::*)();

  // One entry inside a drop-down menu; one without a command is a separator.
  struct MenuItem {
    const char* caption;
    const char* objectName;
    const char* description;
    Command command;
  };

  // One entry of the bar: a drop-down menu when it has items, otherwise a command of its own.
  struct BarEntry {
    const char* caption;
    const char* objectName;
    const char* description;
    std::span<const MenuItem> items;
    Command command;
    bool enabled;
  };

  [[nodiscard]] static std::span<const BarEntry> entries(Kind kind);
  void addEntry(const BarEntry& entry);

  void openOnlineHelp();
  void openForum();
  void openUpdatePage();
  void openDonatePage();
  void openFullyBrandedPage();
  // The About command: shows About once the menu has finished with the chosen item.
  void chooseAbout();
  // Shows the About window modally, without an owner, and returns when it has been closed.
  void showAbout();
  // Closes the window exactly as its close box does.
  void closeWindow();

  LinkLauncher& launcher_;
  QMainWindow& window_;
  QMenuBar* bar_ = nullptr;
};
