// SPDX-License-Identifier: MIT
#include "window_menus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include "about_dialog.h"
#include "skip_on_failure.h"
#include "web_page.h"

namespace {

// Actions carry their description where Qt 6.4 keeps one for an action: the status tip and the
// What's This text. The accessible name is the caption itself.
void describe(QAction& action, const char* objectName, const char* description) {
  action.setObjectName(QString::fromLatin1(objectName));
  action.setStatusTip(QString::fromLatin1(description));
  action.setWhatsThis(QString::fromLatin1(description));
}

QString withoutAccessKey(QString caption) {
  return caption.remove(QLatin1Char('&'));
}

}  // namespace

std::span<const WindowMenus::BarEntry> WindowMenus::entries(Kind kind) {
  static constexpr const char* kOnlineHelp = "Opens the program's online help in your web browser";
  static constexpr const char* kVisit = "Opens the discussion forum in your web browser";
  static constexpr const char* kUpdate = "Opens the program's download page in your web browser";
  static constexpr const char* kAbout = "Shows what this program is and who made it";
  static constexpr const char* kExit = "Closes this window";
  static constexpr const char* kHelpMenu = "Help, the program's web pages and the About window";
  static constexpr const char* kDonate = "Opens the donation page in your web browser";
  static constexpr const char* kMakeMoney = "Not available";

  static constexpr MenuItem kCastingFile[] = {
      {"E&xit", "mnuExit", kExit, &WindowMenus::closeWindow},
  };
  static constexpr MenuItem kCastingHelp[] = {
      {"&Online Help", "mnuOnline", kOnlineHelp, &WindowMenus::openOnlineHelp},
      {"&Visit Us Online", "mnuVisit", kVisit, &WindowMenus::openForum},
      {"", "mnuFileSep1", "", nullptr},
      {"&Check for Software Update", "mnuUpdate", kUpdate, &WindowMenus::openUpdatePage},
      {"", "mnuFileSep2", "", nullptr},
      {"&About Software", "mnuAbout", kAbout, &WindowMenus::chooseAbout},
  };
  static constexpr MenuItem kResultFile[] = {
      {"Back", "mnuBack", "Starts a new reading in the casting window", &WindowMenus::backChosen},
      {"E&xit", "mnuExit", kExit, &WindowMenus::closeWindow},
  };
  static constexpr MenuItem kResultHelp[] = {
      {"&Online Help", "mnuOnline", kOnlineHelp, &WindowMenus::openOnlineHelp},
      {"&Visit Us Online", "mnuVisit", kVisit, &WindowMenus::openForum},
      {"", "mnuSep1", "", nullptr},
      {"Check for Software &Update", "mnuUpdate", kUpdate, &WindowMenus::openUpdatePage},
      {"", "mnuSep2", "", nullptr},
      {"&About Software", "mnuAbout", kAbout, &WindowMenus::chooseAbout},
  };
  // The command behind "Make Money &Online" is defined, though the entry cannot be chosen.
  static constexpr BarEntry kCastingBar[] = {
      {"&File", "nuFile", "File menu", kCastingFile, nullptr, true},
      {"&Help", "mnuHelp", kHelpMenu, kCastingHelp, nullptr, true},
      {"&Donate", "mnuDonate", kDonate, {}, &WindowMenus::openDonatePage, true},
      {"Make Money &Online",
       "mnumakemoney",
       kMakeMoney,
       {},
       &WindowMenus::openFullyBrandedPage,
       false},
  };
  static constexpr BarEntry kResultBar[] = {
      {"&File", "mnuFile", "File menu", kResultFile, nullptr, true},
      {"&Help", "mnuHelp", kHelpMenu, kResultHelp, nullptr, true},
      {"&Donate", "mnuDonate", kDonate, {}, &WindowMenus::openDonatePage, true},
      {"Make Money &Online",
       "mnumakemoney",
       kMakeMoney,
       {},
       &WindowMenus::openFullyBrandedPage,
       false},
  };
  return kind == Kind::Casting ? std::span<const BarEntry>(kCastingBar)
                               : std::span<const BarEntry>(kResultBar);
}

WindowMenus::WindowMenus(Kind kind, LinkLauncher& launcher, QMainWindow& window)
    : QObject(&window), launcher_(launcher), window_(window) {
  setObjectName(QStringLiteral("windowMenus"));
  bar_ = new QMenuBar(&window);
  bar_->setObjectName(QStringLiteral("menuBar"));
  bar_->setNativeMenuBar(false);
  for (const BarEntry& entry : entries(kind)) addEntry(entry);
}

void WindowMenus::addEntry(const BarEntry& entry) {
  const QString caption = QString::fromLatin1(entry.caption);
  QAction* action = nullptr;
  if (entry.items.empty()) {
    action = bar_->addAction(caption);
    connect(action, &QAction::triggered, this, entry.command);
  } else {
    QMenu* menu = bar_->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(entry.objectName));
    menu->setAccessibleName(withoutAccessKey(caption));
    menu->setAccessibleDescription(QString::fromLatin1(entry.description));
    for (const MenuItem& item : entry.items) {
      QAction* itemAction = item.command == nullptr
                                ? menu->addSeparator()
                                : menu->addAction(QString::fromLatin1(item.caption));
      describe(*itemAction, item.objectName, item.description);
      if (item.command != nullptr) connect(itemAction, &QAction::triggered, this, item.command);
    }
    action = menu->menuAction();
  }
  describe(*action, entry.objectName, entry.description);
  action->setEnabled(entry.enabled);
}

void WindowMenus::openOnlineHelp() {
  openWebPage(launcher_, web::Page::OnlineHelp);
}

void WindowMenus::openForum() {
  openWebPage(launcher_, web::Page::ForumHome);
}

void WindowMenus::openUpdatePage() {
  openWebPage(launcher_, web::Page::UpdatePage);
}

void WindowMenus::openDonatePage() {
  openWebPage(launcher_, web::Page::DonatePage);
}

void WindowMenus::openFullyBrandedPage() {
  openWebPage(launcher_, web::Page::FullyBrandedPage);
}

// Qt 6.4's QMenu still writes to itself once the chosen item's command has returned, so the
// command must not let the menu go. About's modal loop would: a window closed just before its
// menu was used is deleted inside that loop, menu and all. Shown after the menu is done, About
// may outlast its window safely.
void WindowMenus::chooseAbout() {
  QMetaObject::invokeMethod(this, &WindowMenus::showAbout, Qt::QueuedConnection);
}

void WindowMenus::showAbout() {
  // These commands belong to the window: should it go while About is open, they go with it, and
  // nothing of theirs is touched afterwards.
  const QPointer<QMainWindow> window(&window_);
  geomancy::skipOnFailure([&] {
    AboutDialog about(launcher_);
    about.exec();
  });
  if (window.isNull()) return;
  // The About window has no owner, so nothing hands the focus back to the opener by itself.
  window->activateWindow();
}

void WindowMenus::closeWindow() {
  window_.close();
}
