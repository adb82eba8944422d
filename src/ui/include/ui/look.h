#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

// Layout is designed in twips (1/1440 inch); 15 twips make one
// device-independent pixel, and Qt scales those to the screen.
constexpr int Twips(int twips) { return (twips + 7) / 15; }
constexpr QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

// Classic Windows system colours the windows were designed with.
namespace SysColor {
inline constexpr QColor Menu{212, 208, 200};            // 4
inline constexpr QColor Window{255, 255, 255};          // 5
inline constexpr QColor MenuText{0, 0, 0};              // 7
inline constexpr QColor InactiveBorder{212, 208, 200};  // 11
inline constexpr QColor Highlight{0, 0, 128};           // 13, a selection
inline constexpr QColor HighlightText{255, 255, 255};   // 14
}  // namespace SysColor

// The program's own colours, each named once for every window.
namespace Colour {
inline constexpr QColor Black{0, 0, 0};
inline constexpr QColor ButtonFace{192, 192, 192};
inline constexpr QColor PictureBackground{228, 226, 216};  // behind every deity picture, drawn or not
}  // namespace Colour

// The windows' text size wherever a control does not name another.
constexpr double WindowTextPoints = 8.25;

// Verdana where installed; otherwise Liberation Sans. That has Arial's
// metrics, not Verdana's, but Arial is narrower, so captions sized for
// Verdana still fit.
QFont VerdanaFont(double pointSize, bool bold = false, bool underline = false);
// The classic dialog font, likewise substituted (Liberation Sans does not
// match its metrics either).
QFont SansSerifFont(double pointSize, bool bold = false);

// Every window drawn in the program's style: Enter presses the focused push
// button, a drop-down list opens below its box, the focused control is
// outlined. Call once the QApplication exists, before any window is made.
void InstallWindowLook();


// Background and text colours for a widget, through its palette.
void Paint(QWidget* widget, const QColor& background, const QColor& text = QColor());
