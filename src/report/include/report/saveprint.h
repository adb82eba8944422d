#pragma once

#include <QString>

class QTextEdit;
class QWidget;

// Saves the view's whole content as rich text through a Save As dialog.
// A file that cannot be written is reported; an existing file is replaced
// only once the new one is complete.
void SaveReport(QTextEdit* view, QWidget* parent);

// Prints the view's selection, or all of it, through a Print dialog (the
// dialog opens on "Selection" when there is one). A printer that cannot
// start is reported.
void PrintReport(QTextEdit* view, QWidget* parent);

// The name a report is saved under: ".rtf" is added to a name without an
// extension, since the file holds rich text whatever it is called.
QString ReportFileName(const QString& chosen);
