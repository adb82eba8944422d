#pragma once

#include <QString>

// Text cut to what any window could show, with an ellipsis when cut: a
// pasted name of a megabyte would otherwise be laid out whole on every fit.
QString CutForDisplay(const QString& text, qsizetype limit = 1024);
