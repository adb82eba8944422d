#pragma once

#include <QColor>
#include <QString>

// What the report composer needs from a view: an insertion style (emphasis
// and colour) and text inserted at the caret with that style. Kept abstract
// so the composer can be driven and checked without any widget.
class RichTextView {
 public:
  virtual ~RichTextView() = default;

  // Text inserted from now on is emphasised, or plain.
  virtual void SetEmphasis(bool on) = 0;
  // Text inserted from now on has this colour.
  virtual void SetColour(const QColor& colour) = 0;
  // Inserts at the caret with the current style; the caret ends just after
  // the text. Line breaks are CR LF.
  virtual void InsertText(const QString& text) = 0;

 protected:
  RichTextView() = default;
  RichTextView(const RichTextView&) = default;
  RichTextView& operator=(const RichTextView&) = default;
};
