#include "report/rtfwriter.h"

#include <QFont>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

const QColor DarkRed(128, 0, 0);
const QColor DarkBlue(0, 0, 128);
const QColor Black(0, 0, 0);

QFont ReportFont() {
  QFont font(QStringLiteral("Verdana"));
  font.setPointSizeF(9.75);
  return font;
}

// Inserts text as the report's composer does: style first, then text at the caret.
void Insert(QTextCursor& cursor, const QString& text, bool bold, const QColor& colour = QColor()) {
  QTextCharFormat format;
  format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
  if (colour.isValid()) format.setForeground(colour);
  cursor.setCharFormat(format);
  cursor.insertText(text);
}

// What stands between the header and the closing brace.
QByteArray Body(const QByteArray& rtf) {
  const QByteArray start = "\\fs20 ";
  const qsizetype from = rtf.indexOf(start) + start.size();
  return rtf.mid(from, rtf.size() - from - int(qstrlen("}\r\n")));
}

// Unescaped braces must pair up and close at the very end.
bool WellFormed(const QByteArray& rtf) {
  int depth = 0;
  for (qsizetype i = 0; i < rtf.size(); ++i) {
    const char c = rtf.at(i);
    if (static_cast<unsigned char>(c) > 0x7E || (c < 0x20 && c != '\r' && c != '\n')) return false;
    if (c == '\\') {
      ++i;
      continue;
    }
    if (c == '{') ++depth;
    if (c == '}' && --depth < 0) return false;
    if (depth == 0 && i + 3 < rtf.size()) return false;  // nothing after the outer group but CR LF
  }
  return depth == 0;
}

}  // namespace

class TestRtfWriter : public QObject {
  Q_OBJECT
 private slots:
  void wholeReportDocument() {
    QTextDocument doc;
    QTextCursor cursor(&doc);
    Insert(cursor, QStringLiteral("Your Egyptian Astrology Sign is :-"), true, DarkRed);
    Insert(cursor, QStringLiteral("Amon-Ra\r\n\r\n"), true, DarkBlue);
    Insert(cursor, QStringLiteral("Ruling Deity :-"), true, DarkRed);
    Insert(cursor, QStringLiteral("Amon\r\n"), false, Black);

    QCOMPARE(DocumentToRtf(doc, ReportFont()),
             QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fnil\\fcharset0 Verdana;}}\r\n"
                        "{\\colortbl ;\\red128\\green0\\blue0;\\red0\\green0\\blue128;\\red0\\green0\\blue0;}\r\n"
                        "\\pard\\plain\\f0\\fs20 \\b \\cf1 Your Egyptian Astrology Sign is :-\\cf2 Amon-Ra\\par\r\n"
                        "\\par\r\n"
                        "\\cf1 Ruling Deity :-\\b0 \\cf3 Amon\\par\r\n"
                        "}\r\n"));
  }

  void text_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("body");
    QTest::addRow("braces and backslash escaped") << QStringLiteral("a{b}c\\d") << QByteArray("a\\{b\\}c\\\\d");
    QTest::addRow("control word lookalike kept as text") << QStringLiteral("\\par x") << QByteArray("\\\\par x");
    QTest::addRow("accented letter as \\u") << QStringLiteral("caf\u00e9") << QByteArray("caf\\u233?");
    QTest::addRow("BMP character below 0x8000 positive") << QStringLiteral("\u4e2d") << QByteArray("\\u20013?");
    QTest::addRow("0x8000 is the most negative") << QString(QChar(0x8000)) << QByteArray("\\u-32768?");
    QTest::addRow("0xFFFD negative") << QString(QChar(0xFFFD)) << QByteArray("\\u-3?");
    QTest::addRow("emoji as surrogate pair") << QString::fromUcs4(U"\U0001F600")
                                             << QByteArray("\\u-10179?\\u-8704?");
    QTest::addRow("lone high surrogate replaced") << QString(QChar(0xD83D)) + u'x' << QByteArray("\\u-3?x");
    QTest::addRow("lone low surrogate replaced") << QString(QChar(0xDE00)) << QByteArray("\\u-3?");
    QTest::addRow("tab as \\tab, digit after it safe") << QStringLiteral("a\t1") << QByteArray("a\\tab 1");
    QTest::addRow("controls dropped") << QStringLiteral("a\x01\x1b\x7f" "b") + QChar(0) << QByteArray("ab");
    QTest::addRow("digit after \\u fallback") << QStringLiteral("\u00e97") << QByteArray("\\u233?7");
    QTest::addRow("soft line break as \\line") << QStringLiteral("a") + QChar(QChar::LineSeparator) + u'b'
                                               << QByteArray("a\\line b");
    QTest::addRow("CR LF pairs make paragraphs") << QStringLiteral("a\r\nb\r\n") << QByteArray("a\\par\r\nb\\par\r\n");
  }
  void text() {
    QFETCH(QString, text);
    QFETCH(QByteArray, body);
    QTextDocument doc;
    QTextCursor(&doc).insertText(text);
    const QByteArray rtf = DocumentToRtf(doc, ReportFont());
    QCOMPARE(Body(rtf), body);
    QVERIFY(WellFormed(rtf));
  }

  void coloursInOrderOfFirstUse() {
    QTextDocument doc;
    QTextCursor cursor(&doc);
    Insert(cursor, QStringLiteral("g"), false, QColor(0, 128, 0));
    Insert(cursor, QStringLiteral("d"), false);  // no colour of its own: the reader's default
    Insert(cursor, QStringLiteral("r"), false, QColor(128, 0, 0));
    Insert(cursor, QStringLiteral("G"), false, QColor(0, 128, 0));
    Insert(cursor, QStringLiteral("t"), false, QColor(0, 128, 0, 100));  // alpha is not a colour of its own
    const QByteArray rtf = DocumentToRtf(doc, ReportFont());
    QVERIFY(rtf.contains("{\\colortbl ;\\red0\\green128\\blue0;\\red128\\green0\\blue0;}"));
    QCOMPARE(Body(rtf), QByteArray("\\cf1 g\\cf0 d\\cf2 r\\cf1 Gt"));
  }

  void emphasisOnlyWhereItChanges() {
    QTextDocument doc;
    QTextCursor cursor(&doc);
    Insert(cursor, QStringLiteral("A"), true);
    Insert(cursor, QStringLiteral("\r\nB"), true);  // bold carries across the paragraph break
    QTextCharFormat italic;
    italic.setFontItalic(true);
    italic.setFontUnderline(true);
    cursor.setCharFormat(italic);
    cursor.insertText(QStringLiteral("c"));
    QCOMPARE(Body(DocumentToRtf(doc, ReportFont())), QByteArray("\\b A\\par\r\nB\\b0 \\i \\ul c"));
  }

  void fontTable_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<QByteArray>("expected");
    QTest::addRow("report font, 9.75 pt rounds to 10") << "Verdana" << 9.75
                                                       << QByteArray("\\f0\\fnil\\fcharset0 Verdana;}}");
    QTest::addRow("semicolon in a name cannot end the entry early") << "Odd;Font" << 12.0
                                                                    << QByteArray("\\fcharset0 OddFont;}}");
    QTest::addRow("brace in a name escaped") << "A{B" << 8.0 << QByteArray("\\fcharset0 A\\{B;}}");
  }
  void fontTable() {
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(QByteArray, expected);
    QFont font(family);
    font.setPointSizeF(points);
    QTextDocument doc;
    const QByteArray rtf = DocumentToRtf(doc, font);
    QVERIFY2(rtf.contains(expected), rtf.constData());
    QVERIFY(rtf.contains("\\fs" + QByteArray::number(qRound(points * 2)) + ' '));
    QVERIFY(WellFormed(rtf));
  }

  // Every UTF-16 code unit, with formatting changing all along, still gives
  // well-formed ASCII.
  void anyTextStaysWellFormed() {
    QTextDocument doc;
    QTextCursor cursor(&doc);
    const int runLength = 61;
    for (int unit = 0, run = 0; unit <= 0xFFFF; unit += runLength, ++run) {
      QString text;
      for (int k = 0; k < runLength && unit + k <= 0xFFFF; ++k) text += QChar(char16_t(unit + k));
      Insert(cursor, text, run % 2, QColor::fromHsv(run % 9 * 40, 255, 128));
    }
    QVERIFY(WellFormed(DocumentToRtf(doc, ReportFont())));
  }

  // A real reader gets the text, the bold runs and the three colours back.
  void unrtfReadsItBack() {
    QTextDocument doc;
    QTextCursor cursor(&doc);
    Insert(cursor, QStringLiteral("Heading :-"), true, DarkRed);
    Insert(cursor, QStringLiteral("Isis\r\n\r\n"), true, DarkBlue);
    Insert(cursor, QStringLiteral("Keywords :-"), true, DarkRed);
    Insert(cursor, QStringLiteral("caf\u00e9 {x} \\ 100%\r\n"), false, Black);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("r.rtf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(DocumentToRtf(doc, ReportFont()));
    file.close();

    QProcess unrtf;
    unrtf.start(QStringLiteral("unrtf"), {QStringLiteral("--html"), path});
    QVERIFY2(unrtf.waitForFinished(), "unrtf did not run; scripts/install-deps.sh installs it");
    QCOMPARE(unrtf.exitCode(), 0);
    QString html = QString::fromUtf8(unrtf.readAllStandardOutput());
    html.replace(QStringLiteral(" size=\"2\""), QString());  // HTML's size 2 means nothing to Qt
    QVERIFY2(unrtf.readAllStandardError().isEmpty(), qPrintable(html));

    QTextDocument back;
    back.setHtml(html);
    QCOMPARE(back.toPlainText().trimmed(), doc.toPlainText().trimmed());

    // Character by character: the same bold and the same colour.
    const QString text = doc.toPlainText().trimmed();
    QTextCursor original(&doc);
    QTextCursor read(&back);
    for (int i = 0; i < text.size(); ++i) {
      if (text.at(i).isSpace()) continue;
      original.setPosition(i + 1);
      read.setPosition(i + 1);
      const QTextCharFormat want = original.charFormat();
      const QTextCharFormat got = read.charFormat();
      QVERIFY2(got.font().bold() == (want.fontWeight() > QFont::Medium), qPrintable(QString(text.at(i))));
      QCOMPARE(got.foreground().color(), want.foreground().color());
    }
    QVERIFY(html.contains(QStringLiteral("#800000")));
    QVERIFY(html.contains(QStringLiteral("#000080")));
    QVERIFY(html.contains(QStringLiteral("#000000")));
  }
};

QTEST_GUILESS_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"
