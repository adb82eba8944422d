#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

class QWidget;

// What a window's design deliberately does that the checks would otherwise report.
struct LayoutDesign {
  // Controls (by objectName) placed partly or wholly outside their container.
  QSet<QString> outsideParent;
  // Sibling pairs ("A/B", either order) that are drawn one over the other.
  QSet<QString> overlapping;
};

// Checks the visible controls of `window` as they are laid out now and
// returns one line per fault (empty when all is well):
// - every caption of a QLabel, QAbstractButton, QGroupBox, tab or menu bar
//   entry fits its rectangle, measured with QFontMetrics of its own font and
//   wrapped where the label wraps;
// - no two sibling controls overlap unless one lies wholly inside the other;
// - every control lies inside its container.
// Compound controls (combo boxes, edits, views) are checked as a whole.
QStringList LayoutProblems(QWidget* window, const LayoutDesign& design = {});
