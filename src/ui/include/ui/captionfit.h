#pragma once

#include <QFont>
#include <QString>

class QWidget;

// The windows' boxes were drawn for their English captions; a translation
// may run longer. Every caption of the window that does not fit its box is
// fitted here, one rule for all: its font shrinks, down to four fifths of
// its design size; a one-line label that still does not fit wraps where its
// box is tall enough; whatever is still cut shows its whole text as a
// tooltip. The program's own English captions all fit and are left alone.
void FitCaptions(QWidget* window);

// How far a one-line caption's glyphs reach beyond its line, above or below,
// in pixels: a few scripts' glyphs stand taller than the font's own line.
int InkOverflow(const QFont& font, const QString& text);
