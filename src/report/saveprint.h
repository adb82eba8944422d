#pragma once

class QTextEdit;
class QWidget;

// Saves the view's whole content as rich text through a Save As dialog.
void SaveReport(QTextEdit* view, QWidget* parent);

// Prints the view's selection, or all of it, through a Print dialog.
void PrintReport(QTextEdit* view, QWidget* parent);
