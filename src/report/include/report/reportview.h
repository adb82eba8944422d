#pragma once

#include "report/richtextview.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

// One person's report: read-only for the user but selectable, Verdana
// 9.75 pt on the light grey of the window frames. Emphasis is bold.
class ReportView : public QTextEdit, public RichTextView {
  Q_OBJECT
 public:
  explicit ReportView(QWidget* parent = nullptr);

  void SetEmphasis(bool on) override;
  void SetColour(const QColor& colour) override;
  // A CR LF pair becomes one paragraph break, so the plain text shows the
  // report's lines exactly (one "\n" per break).
  void InsertText(const QString& text) override;

  // Puts the caret at the position (clamped to the text) with nothing
  // selected, and scrolls it into view.
  void SetSelectionStart(int position);
  int SelectionLength() const;

  // Writes a whole report as one edit. While the view is hidden (its tab is
  // not the open one) the text is laid out only when the view is first
  // shown, so filling a window costs no layout of what nobody sees yet.
  template <class Write>
  void WriteAll(Write&& write) {
    HoldLayout();
    QTextCursor edit(document());
    edit.beginEditBlock();
    write();
    edit.endEditBlock();
  }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void HoldLayout();
  void ReleaseLayout();

  QTextCharFormat style_;
  bool layoutHeld_ = false;
  QSizeF heldPageSize_;
};
