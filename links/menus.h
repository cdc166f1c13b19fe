#pragma once

class QMenuBar;
class QWidget;

namespace links {

enum class MenuBarKind { Casting, Result };

// The window's menu bar, kept inside the window (never the platform's global bar, which would
// drop the two commands that stand on the bar itself). Every menu and action carries its
// objectName, so that the window and its commands can find them; "Make Money &Online" is
// disabled. Nothing is connected here.
[[nodiscard]] QMenuBar* createMenuBar(MenuBarKind kind, QWidget* parent);

}  // namespace links
