#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QAction;
class QIcon;
class QMenuBar;
class QPixmap;
class QWidget;

// The program's icon, for its windows and its message boxes alike.
QIcon ProgramIcon();
// The icon drawn for a screen of the given pixel density: `logical` in
// device-independent pixels, as many device pixels as that screen shows.
QPixmap ProgramIconPixmap(QSize logical, qreal devicePixelRatio);

// What every top-level window of the program starts with, through its base
// (TopLevel, ui/toplevel.h): its name, the program's title and icon,
// deletion when it is unloaded (closed), and no maximise button, as every
// layout is drawn for one size.
void SetUpTopLevel(QWidget* window, const QString& objectName);

// Where a window's frame of `frame` size goes in `available`: centred on
// each axis where it fits, at the area's left or top edge where it does
// not, so the title bar, the menu bar and the top-left controls stay in reach.
QPoint PlacedTopLeft(QSize frame, const QRect& available);

// Moves the window to that place inside its screen's available area. A
// window larger than that area is first shrunk to it, its fixed layout
// scrolling inside (a main window's menu bar stays put).
void PlaceOnScreen(QWidget* window);

// True where the program runs as a native Wayland client. Wayland leaves
// placement and stacking to the compositor: a window cannot put itself at a
// point, stay above others, or learn where the desktop's panels are.
bool OnWaylandNatively();

// Shows a window that should stand above every other one. Where the window
// system cannot keep it there (native Wayland) it is at least raised and
// activated, so it comes up in front.
void ShowAboveOthers(QWidget* window);

// A dialog with no window of its own to belong to is given the active window
// as its transient parent on native Wayland, where the compositor places it
// over that window; elsewhere it stays as it is, centred on the screen.
void StandOverActiveWindow(QWidget* dialog);

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
