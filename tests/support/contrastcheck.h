#pragma once

#include <QColor>
#include <QStringList>

class QWidget;

// The contrast ratio of two colours as the web's accessibility guidelines
// define it: 1 (none) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// Reads the pixels of `window` as it is drawn now and returns one line for
// every text drawn with less than `minimum` contrast against what is behind
// it: labels, buttons and check boxes, group captions, tabs, menu bar
// entries, line edits, combo boxes, text views and list rows. Each place is
// read on its own; its commonest colour is the background, and every other
// colour that is not merely the blend of the background with a stronger one
// (anti-aliasing) is a text colour.
QStringList ContrastProblems(QWidget* window, double minimum = 4.5);
