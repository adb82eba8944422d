#include "report/rtfwriter.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFragment>

#include <algorithm>
#include <cmath>

namespace {

// The character properties RTF carries for us; colour 0 is the reader's
// automatic colour (text whose format names none).
struct Style {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int colour = 0;
  bool operator==(const Style&) const = default;
};

// Colours in the order of first use; index 0 of the RTF table is "auto".
class ColourTable {
 public:
  int IndexOf(const QTextCharFormat& format) {
    const QBrush brush = format.foreground();
    if (brush.style() == Qt::NoBrush) return 0;
    const QRgb rgb = brush.color().toRgb().rgb() & 0xFFFFFFu;
    const qsizetype at = colours_.indexOf(rgb);
    if (at >= 0) return int(at) + 1;
    colours_.append(rgb);
    return int(colours_.size());
  }
  QByteArray Rtf() const {
    QByteArray out = "{\\colortbl ;";
    for (const QRgb rgb : colours_) {
      out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" + QByteArray::number(qGreen(rgb)) + "\\blue" +
             QByteArray::number(qBlue(rgb)) + ';';
    }
    return out + '}';
  }

 private:
  QList<QRgb> colours_;
};

Style StyleOf(const QTextCharFormat& format, ColourTable& colours) {
  Style style;
  // The same threshold QFont::bold() uses.
  style.bold = format.fontWeight() > QFont::Medium;
  style.italic = format.fontItalic();
  style.underline = format.fontUnderline();
  style.colour = colours.IndexOf(format);
  return style;
}

// One UTF-16 code unit as RTF's signed 16-bit \uN, with '?' for readers
// that know no Unicode.
void AppendUnicode(QByteArray& out, char16_t unit) {
  out += "\\u" + QByteArray::number(int(static_cast<int16_t>(unit))) + '?';
}

// Text of a run, escaped. Characters that have no place in the text of a
// paragraph (controls, frame markers, object placeholders) are dropped.
void AppendText(QByteArray& out, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text.at(i).unicode();
    if (c == '\\' || c == '{' || c == '}') {
      out += '\\';
      out += char(c);
    } else if (c >= 0x20 && c < 0x7F) {
      out += char(c);
    } else if (c == '\t') {
      out += "\\tab ";
    } else if (c == QChar::LineSeparator) {
      out += "\\line ";
    } else if (c < 0x20 || c == 0x7F || c == QChar::ObjectReplacementCharacter || c == 0xFDD0 || c == 0xFDD1 ||
               c == QChar::ParagraphSeparator) {
      continue;
    } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      AppendUnicode(out, c);
      AppendUnicode(out, text.at(++i).unicode());
    } else if (QChar::isSurrogate(c)) {
      AppendUnicode(out, QChar::ReplacementCharacter);  // half a pair is no character
    } else {
      AppendUnicode(out, c);
    }
  }
}

// Bold or italic on or off. Readers take them for a right-to-left script
// from a right-to-left run's own twins (\ab, \ai), so a document with such
// text sets both.
void AppendToggle(QByteArray& out, const char* word, bool on, bool rightToLeftToo) {
  const QByteArray value = QByteArray(word) + (on ? "" : "0");
  if (rightToLeftToo) out += "\\rtlch\\a" + value + "\\ltrch";
  out += "\\" + value + ' ';
}

void AppendStyleChange(QByteArray& out, const Style& from, const Style& to, bool rightToLeftToo) {
  if (from.bold != to.bold) AppendToggle(out, "b", to.bold, rightToLeftToo);
  if (from.italic != to.italic) AppendToggle(out, "i", to.italic, rightToLeftToo);
  if (from.underline != to.underline) out += to.underline ? "\\ul " : "\\ulnone ";
  if (from.colour != to.colour) out += "\\cf" + QByteArray::number(to.colour) + ' ';
}

QByteArray FontTable(const QFont& font) {
  QString family = font.family();
  family.remove(QLatin1Char(';'));  // ';' ends the name in the table
  QByteArray out = "{\\fonttbl{\\f0\\fnil\\fcharset0 ";
  AppendText(out, family);
  return out + ";}}";
}

// The direction a paragraph is written in: set on it, or that of its first
// letter; an empty line, or one of digits only, follows the line before.
bool RightToLeft(const QTextBlock& block, bool previous) {
  const Qt::LayoutDirection set = block.blockFormat().layoutDirection();
  if (set != Qt::LayoutDirectionAuto) return set == Qt::RightToLeft;
  for (const QChar c : block.text()) {
    switch (c.direction()) {
      case QChar::DirL:
        return false;
      case QChar::DirR:
      case QChar::DirAL:
        return true;
      default:
        break;
    }
  }
  return previous;
}

}  // namespace

QByteArray DocumentToRtf(const QTextDocument& document, const QFont& font) {
  ColourTable colours;
  QByteArray body;
  Style current;
  bool anyRightToLeft = false;
  for (QTextBlock block = document.begin(); block.isValid() && !anyRightToLeft; block = block.next())
    anyRightToLeft = RightToLeft(block, false);
  // A paragraph in a right-to-left script (Arabic) says so, or readers lay
  // it out left to right, and says it is aligned right, or readers leave it
  // against the left margin; paragraph properties carry on over \par.
  bool rightToLeft = false;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block != document.begin()) body += "\\par\r\n";
    if (RightToLeft(block, rightToLeft) != rightToLeft) {
      rightToLeft = !rightToLeft;
      body += rightToLeft ? "\\rtlpar\\qr " : "\\ltrpar\\ql ";
    }
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.isValid()) continue;
      const Style style = StyleOf(fragment.charFormat(), colours);
      AppendStyleChange(body, current, style, anyRightToLeft);
      current = style;
      AppendText(body, fragment.text());
    }
  }

  // Half-points; 9.75 pt comes out as 10 pt, as other writers round it.
  const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 12.0;
  const int halfPoints = std::max(1, int(std::lround(points * 2)));

  QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1";
  out += FontTable(font);
  out += "\r\n";
  out += colours.Rtf();
  out += "\r\n\\pard\\plain\\f0\\fs" + QByteArray::number(halfPoints) + ' ';
  // Right-to-left scripts take the font and size named for a right-to-left run.
  if (anyRightToLeft) out += "\\rtlch\\af0\\afs" + QByteArray::number(halfPoints) + "\\ltrch ";
  out += body;
  out += "}\r\n";
  return out;
}

QByteArray DocumentToRtf(const QTextDocument& document) { return DocumentToRtf(document, document.defaultFont()); }
