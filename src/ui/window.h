#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QAction;
class QIcon;
class QMenuBar;
class QWidget;

// The program's icon, for its windows and its message boxes alike.
QIcon ProgramIcon();

// What every top-level window of the program starts with: its name, the
// program's title and icon, and deletion when it is unloaded (closed).
void SetUpTopLevel(QWidget* window, const QString& objectName);

// Where a window's frame of `frame` size goes in `available`: centred on
// each axis where it fits, at the area's left or top edge where it does
// not, so the title bar, the menu bar and the top-left controls stay in reach.
QPoint PlacedTopLeft(QSize frame, const QRect& available);

// Moves the window to that place inside its screen's available area. A
// window larger than that area is first shrunk to it, its fixed layout
// scrolling inside (a main window's menu bar stays put).
void PlaceOnScreen(QWidget* window);

// The menus both working windows share after their File menu: Help, then
// the Donate and (hidden) Make Money Online commands. The names and the
// update entry's access key are the only differences between the two.
struct SharedMenuNames {
  const char* firstSeparator;
  const char* secondSeparator;
  const char* updateCaption;  // marked for translation in the context "SharedMenus"
};
// Returns the "About Software" entry, which each window connects itself.
QAction* AddSharedMenus(QMenuBar* bar, const SharedMenuNames& names);
