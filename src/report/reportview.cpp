#include "report/reportview.h"

#include "ui/look.h"

#include <QTextCursor>

ReportView::ReportView(QWidget* parent) : QTextEdit(parent) {
  setReadOnly(true);
  // Read-only drops keyboard selection; the report should still be
  // selectable (and copyable) from the keyboard.
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setAcceptRichText(false);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QTextEdit::WidgetWidth);
  setFont(VerdanaFont(9.75));
  Paint(this, SysColor::InactiveBorder);
}

void ReportView::SetEmphasis(bool on) { style_.setFontWeight(on ? QFont::Bold : QFont::Normal); }

void ReportView::SetColour(const QColor& colour) { style_.setForeground(colour); }

void ReportView::InsertText(const QString& text) {
  QString paragraphs = text;
  // The pair is one break, never two (a lone CR or LF also breaks).
  paragraphs.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QTextCursor cursor = textCursor();
  cursor.insertText(paragraphs, style_);
  setTextCursor(cursor);
}

void ReportView::SetSelectionStart(int position) {
  QTextCursor cursor = textCursor();
  const int end = cursor.document()->characterCount() - 1;
  cursor.setPosition(qBound(0, position, qMax(0, end)));
  setTextCursor(cursor);
  ensureCursorVisible();
}

int ReportView::SelectionLength() const {
  const QTextCursor cursor = textCursor();
  return cursor.selectionEnd() - cursor.selectionStart();
}
