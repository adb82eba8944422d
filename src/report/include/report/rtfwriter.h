#pragma once

#include <QByteArray>

class QFont;
class QTextDocument;

// The document as an RTF 1.x file: its text, paragraph by paragraph, with
// each character's bold, italic, underline and colour, in the given font.
// The result is plain ASCII and well formed whatever the text holds:
// braces and backslashes are escaped, tabs become \tab, other control
// characters are dropped, and everything beyond ASCII is written as \uN?.
QByteArray DocumentToRtf(const QTextDocument& document, const QFont& font);

// The same in the document's own default font.
QByteArray DocumentToRtf(const QTextDocument& document);
