#include "menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <span>

namespace links {
namespace {

// One entry inside a drop-down menu; an entry without a caption is a separator.
struct MenuItem {
  const char* caption;
  const char* objectName;
  const char* description;
};

// One entry of the bar: a drop-down menu when it has items, otherwise a command of its own.
struct BarEntry {
  const char* caption;
  const char* objectName;
  const char* description;
  std::span<const MenuItem> items;
  bool enabled;
};

constexpr const char* kOnlineHelp = "Opens the program's online help in your web browser";
constexpr const char* kVisit = "Opens the discussion forum in your web browser";
constexpr const char* kUpdate = "Opens the program's download page in your web browser";
constexpr const char* kAbout = "Shows what this program is and who made it";
constexpr const char* kExit = "Closes this window";

constexpr MenuItem kCastingFile[] = {
    {"E&xit", "mnuExit", kExit},
};

constexpr MenuItem kCastingHelp[] = {
    {"&Online Help", "mnuOnline", kOnlineHelp},
    {"&Visit Us Online", "mnuVisit", kVisit},
    {"", "mnuFileSep1", ""},
    {"&Check for Software Update", "mnuUpdate", kUpdate},
    {"", "mnuFileSep2", ""},
    {"&About Software", "mnuAbout", kAbout},
};

constexpr MenuItem kResultFile[] = {
    {"Back", "mnuBack", "Starts a new reading in the casting window"},
    {"E&xit", "mnuExit", kExit},
};

constexpr MenuItem kResultHelp[] = {
    {"&Online Help", "mnuOnline", kOnlineHelp},
    {"&Visit Us Online", "mnuVisit", kVisit},
    {"", "mnuSep1", ""},
    {"Check for Software &Update", "mnuUpdate", kUpdate},
    {"", "mnuSep2", ""},
    {"&About Software", "mnuAbout", kAbout},
};

constexpr const char* kHelpMenu = "Help, the program's web pages and the About window";
constexpr const char* kDonate = "Opens the donation page in your web browser";
constexpr const char* kMakeMoney = "Not available";

constexpr BarEntry kCastingBar[] = {
    {"&File", "nuFile", "File menu", kCastingFile, true},
    {"&Help", "mnuHelp", kHelpMenu, kCastingHelp, true},
    {"&Donate", "mnuDonate", kDonate, {}, true},
    {"Make Money &Online", "mnumakemoney", kMakeMoney, {}, false},
};

constexpr BarEntry kResultBar[] = {
    {"&File", "mnuFile", "File menu", kResultFile, true},
    {"&Help", "mnuHelp", kHelpMenu, kResultHelp, true},
    {"&Donate", "mnuDonate", kDonate, {}, true},
    {"Make Money &Online", "mnumakemoney", kMakeMoney, {}, false},
};

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

void addItems(QMenu& menu, std::span<const MenuItem> items) {
  for (const MenuItem& item : items) {
    QAction* action = *item.caption == '\0' ? menu.addSeparator()
                                            : menu.addAction(QString::fromLatin1(item.caption));
    describe(*action, item.objectName, item.description);
  }
}

void addEntry(QMenuBar& bar, const BarEntry& entry) {
  const QString caption = QString::fromLatin1(entry.caption);
  QAction* action = nullptr;
  if (entry.items.empty()) {
    action = bar.addAction(caption);
  } else {
    QMenu* menu = bar.addMenu(caption);
    menu->setObjectName(QString::fromLatin1(entry.objectName));
    menu->setAccessibleName(withoutAccessKey(caption));
    menu->setAccessibleDescription(QString::fromLatin1(entry.description));
    addItems(*menu, entry.items);
    action = menu->menuAction();
  }
  describe(*action, entry.objectName, entry.description);
  action->setEnabled(entry.enabled);
}

}  // namespace

QMenuBar* createMenuBar(MenuBarKind kind, QWidget* parent) {
  auto* bar = new QMenuBar(parent);
  bar->setObjectName(QStringLiteral("menuBar"));
  bar->setNativeMenuBar(false);
  const std::span<const BarEntry> entries = kind == MenuBarKind::Casting
                                                ? std::span<const BarEntry>(kCastingBar)
                                                : std::span<const BarEntry>(kResultBar);
  for (const BarEntry& entry : entries) addEntry(*bar, entry);
  return bar;
}

}  // namespace links
