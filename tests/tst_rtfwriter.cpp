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
    QTest::addRow("accented letter as \\u") << QStringLiteral("caf\u00e9") << QByteArray("caf\\u233?");
    QTest::addRow("0x8000 is the most negative") << QString(QChar(0x8000)) << QByteArray("\\u-32768?");
    QTest::addRow("emoji as surrogate pair") << QString::fromUcs4(U"\U0001F600")
                                             << QByteArray("\\u-10179?\\u-8704?");
    QTest::addRow("lone high surrogate replaced") << QString(QChar(0xD83D)) + u'x' << QByteArray("\\u-3?x");
    QTest::addRow("tab as \\tab, digit after it safe") << QStringLiteral("a\t1") << QByteArray("a\\tab 1");
    QTest::addRow("controls dropped") << QStringLiteral("a\x01\x1b\x7f" "b") + QChar(0) << QByteArray("ab");
    QTest::addRow("CR LF pairs make paragraphs") << QStringLiteral("a\r\nb\r\n") << QByteArray("a\\par\r\nb\\par\r\n");
  }
  void text() {
    QFETCH(QString, text);
    QFETCH(QByteArray, body);
    QTextDocument doc;
    QTextCursor(&doc).insertText(text);
    const QByteArray rtf = DocumentToRtf(doc, ReportFont());
    QCOMPARE(Body(rtf), body);
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
