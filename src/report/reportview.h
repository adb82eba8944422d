#pragma once

#include "report/richtextview.h"

#include <QTextCharFormat>
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

 private:
  QTextCharFormat style_;
};
