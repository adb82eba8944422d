#include "report/reportview.h"

#include "ui/look.h"

#include <QTextDocument>

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

void ReportView::HoldLayout() {
  if (isVisible() || layoutHeld_) return;
  // A document with a null page is not laid out when it changes.
  heldPageSize_ = document()->pageSize();
  document()->setPageSize(QSizeF(0, 0));
  layoutHeld_ = true;
}

void ReportView::ReleaseLayout() {
  if (!layoutHeld_) return;
  layoutHeld_ = false;
  // Unless a resize has already given it a page of its own.
  if (document()->pageSize().isNull()) document()->setPageSize(heldPageSize_);
}

void ReportView::showEvent(QShowEvent* event) {
  ReleaseLayout();
  QTextEdit::showEvent(event);
}
