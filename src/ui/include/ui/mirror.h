#pragma once

#include <QRect>

class QWidget;

// Windows are laid out from fixed rectangles drawn for left-to-right
// reading. For a right-to-left language a rectangle is turned about its
// parent's vertical centre line: what stood at the left edge stands at the
// right. Widgets in Qt layouts mirror themselves and are left alone, and so
// are pictures and the inside of compound controls.

// Places a widget at its design rectangle, mirrored in a right-to-left
// window; it stays mirrored when its parent is resized.
void SetDesignGeometry(QWidget* widget, const QRect& design);

// Mirrors every hand-placed widget of the window once, from where it
// stands now; nothing in a left-to-right window.
void MirrorFixedLayout(QWidget* window);
