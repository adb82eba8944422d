// Any text with any bold and colour runs, through the RTF writer and back
// through a small reader of our own: the same characters must come out, in
// the same paragraphs, with the same emphasis and colour.
#include "fuzz/harness.h"
#include "report/rtfwriter.h"

#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

struct Styled {
  char16_t unit;
  bool bold;
  std::optional<QRgb> colour;  // none: the reader's automatic colour
  bool operator==(const Styled&) const = default;
};
using Paragraph = QList<Styled>;

[[noreturn]] void Fail(const char* what, qsizetype where = -1) {
  std::fprintf(stderr, "fuzz_rtf: %s (at %lld)\n", what, static_cast<long long>(where));
  std::abort();
}

// A reader for what an RTF file of this kind may hold: groups, the font and
// colour tables, \uN with its fallback, \par, \line, \tab, escapes, \b and
// \cf. Anything else is a fault of the writer.
class RtfReader {
 public:
  explicit RtfReader(const QByteArray& rtf) : rtf_(rtf) {}

  QList<Paragraph> Read() {
    if (!rtf_.startsWith("{\\rtf1")) Fail("no RTF header");
    QList<Paragraph> paragraphs(1);
    struct State {
      bool bold = false;
      int colour = 0;
      int skip = 1;
      enum { Text, FontTable, ColourTable } destination = Text;
    };
    QList<State> stack;
    State state;
    bool ended = false;
    int red = 0, green = 0, blue = 0;
    int pendingSkip = 0;
    for (qsizetype i = 0; i < rtf_.size(); ++i) {
      const char c = rtf_.at(i);
      if (static_cast<unsigned char>(c) > 0x7E) Fail("byte beyond ASCII", i);
      if (ended) {
        if (c != '\r' && c != '\n') Fail("text after the last group", i);
        continue;
      }
      if (c == '\r' || c == '\n') continue;  // line breaks in the file are no text
      if (pendingSkip > 0) {                 // the fallback after \uN
        if (c == '\\' || c == '{' || c == '}') Fail("fallback is not a plain character", i);
        --pendingSkip;
        continue;
      }
      if (c == '{') {
        stack.append(state);
        continue;
      }
      if (c == '}') {
        if (stack.isEmpty()) Fail("unbalanced '}'", i);
        state = stack.takeLast();
        if (stack.isEmpty()) ended = true;
        continue;
      }
      if (stack.isEmpty()) Fail("text outside the document group", i);
      if (c != '\\') {
        if (static_cast<unsigned char>(c) < 0x20) Fail("raw control character", i);
        if (state.destination == State::ColourTable) {
          if (c != ';') Fail("text in the colour table", i);
          colours_.append(qRgb(red, green, blue) & 0xFFFFFFu);
          red = green = blue = 0;
        } else if (state.destination == State::Text) {
          Add(paragraphs, char16_t(c), state.bold, state.colour);
        }
        continue;
      }
      if (++i >= rtf_.size()) Fail("backslash at the end");
      const char e = rtf_.at(i);
      if (e == '\\' || e == '{' || e == '}') {
        if (state.destination == State::Text) Add(paragraphs, char16_t(e), state.bold, state.colour);
        continue;
      }
      if (!std::isalpha(static_cast<unsigned char>(e))) Fail("unknown control symbol", i);
      const qsizetype start = i;
      while (i < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_.at(i)))) ++i;
      const QByteArray word = rtf_.mid(start, i - start);
      std::optional<int> number;
      if (i < rtf_.size() && (rtf_.at(i) == '-' || std::isdigit(static_cast<unsigned char>(rtf_.at(i))))) {
        const qsizetype from = i++;
        while (i < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_.at(i)))) ++i;
        bool ok = false;
        number = rtf_.mid(from, i - from).toInt(&ok);
        if (!ok) Fail("bad number", from);
      }
      if (i >= rtf_.size() || rtf_.at(i) != ' ') --i;  // the delimiting blank belongs to the word

      if (word == "u") {
        if (!number || *number < -32768 || *number > 32767) Fail("\\u without a 16-bit number", i);
        if (state.destination == State::Text)
          Add(paragraphs, char16_t(static_cast<std::uint16_t>(*number)), state.bold, state.colour);
        pendingSkip = state.skip;
      } else if (word == "par") {
        paragraphs.append(Paragraph());
      } else if (word == "line") {
        Add(paragraphs, QChar::LineSeparator, state.bold, state.colour);
      } else if (word == "tab") {
        Add(paragraphs, u'\t', state.bold, state.colour);
      } else if (word == "b") {
        state.bold = !number || *number != 0;
      } else if (word == "cf") {
        if (!number || *number < 0 || *number >= colours_.size()) Fail("\\cf beyond the colour table", i);
        state.colour = *number;
      } else if (word == "uc") {
        state.skip = number.value_or(1);
      } else if (word == "plain") {
        state.bold = false;
        state.colour = 0;
      } else if (word == "fonttbl") {
        state.destination = State::FontTable;
      } else if (word == "colortbl") {
        state.destination = State::ColourTable;
      } else if (word == "red") {
        red = number.value_or(0);
      } else if (word == "green") {
        green = number.value_or(0);
      } else if (word == "blue") {
        blue = number.value_or(0);
      } else if (word == "i" || word == "ul" || word == "ulnone" || word == "rtf" || word == "ansi" ||
                 word == "ansicpg" || word == "deff" || word == "f" || word == "fnil" || word == "fcharset" ||
                 word == "pard" || word == "fs") {
        // formatting the comparison does not cover
      } else {
        Fail("unknown control word", start);
      }
    }
    if (!ended) Fail("document group never closed");
    return paragraphs;
  }

 private:
  void Add(QList<Paragraph>& paragraphs, char16_t unit, bool bold, int colour) {
    std::optional<QRgb> rgb;
    if (colour > 0) rgb = colours_.at(colour);  // entry 0 is the automatic colour
    paragraphs.last().append({unit, bold, rgb});
  }

  const QByteArray& rtf_;
  QList<QRgb> colours_;
};

// What the writer promises for a document: each block a paragraph; tabs and
// soft line breaks kept, other controls dropped, lone surrogates as U+FFFD.
QList<Paragraph> Expected(const QTextDocument& document) {
  QList<Paragraph> paragraphs;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    Paragraph paragraph;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QTextCharFormat format = fragment.charFormat();
      std::optional<QRgb> colour;
      if (format.foreground().style() != Qt::NoBrush) colour = format.foreground().color().rgb() & 0xFFFFFFu;
      const bool bold = format.fontWeight() > QFont::Medium;
      const QString text = fragment.text();
      for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        const bool pair = QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        if (pair) {
          paragraph.append({c, bold, colour});
          paragraph.append({text.at(++i).unicode(), bold, colour});
        } else if (QChar::isSurrogate(c)) {
          paragraph.append({QChar::ReplacementCharacter, bold, colour});
        } else if (c == u'\t' || c == QChar::LineSeparator || (c >= 0x20 && c != 0x7F && c != QChar::ObjectReplacementCharacter &&
                                                             c != 0xFDD0 && c != 0xFDD1 && c != QChar::ParagraphSeparator)) {
          paragraph.append({c, bold, colour});
        }
      }
    }
    paragraphs.append(paragraph);
  }
  return paragraphs;
}

// A few colours, the first of them "none", so that runs share and differ.
const std::array<std::optional<QRgb>, 5> Colours{std::nullopt, qRgb(128, 0, 0), qRgb(0, 0, 128), qRgb(0, 0, 0),
                                                 qRgb(255, 255, 255)};

}  // namespace

// Input: runs of [style byte][length byte][length UTF-16 code units, little endian].
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QTextDocument document;
  QTextCursor cursor(&document);
  std::size_t at = 0;
  while (at + 2 <= size) {
    const std::uint8_t style = data[at];
    const std::size_t length = data[at + 1];
    at += 2;
    QString text;
    for (std::size_t n = 0; n < length && at + 2 <= size; ++n, at += 2)
      text.append(QChar(char16_t(data[at] | (data[at + 1] << 8))));
    QTextCharFormat format;
    format.setFontWeight(style & 1 ? QFont::Bold : QFont::Normal);
    if (const auto colour = Colours[(style >> 1) % Colours.size()]) format.setForeground(QColor(*colour));
    cursor.insertText(text, format);
  }

  const QByteArray rtf = DocumentToRtf(document, QFont(QStringLiteral("Verdana"), 10));
  const QList<Paragraph> read = RtfReader(rtf).Read();
  const QList<Paragraph> expected = Expected(document);
  if (read.size() != expected.size()) Fail("paragraph count differs");
  for (qsizetype p = 0; p < read.size(); ++p) {
    if (read.at(p).size() != expected.at(p).size()) Fail("paragraph length differs", p);
    for (qsizetype i = 0; i < read.at(p).size(); ++i) {
      const Styled& r = read.at(p).at(i);
      const Styled& e = expected.at(p).at(i);
      if (r.unit != e.unit) Fail("character differs", i);
      if (r.bold != e.bold) Fail("emphasis differs", i);
      if (r.colour != e.colour) Fail("colour differs", i);
    }
  }
  return 0;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) { return StartFuzzApplication(argc, argv); }
