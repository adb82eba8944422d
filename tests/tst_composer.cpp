#include "astro/catalogue.h"
#include "report/composer.h"
#include "report/reportview.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>


namespace {

const QString CrLf = QStringLiteral("\r\n");

struct Insertion {
  QString text;
  bool emphasis;
  QColor colour;
  friend bool operator==(const Insertion&, const Insertion&) = default;
};

// Records what the composer inserts, with the style each insertion had.
class RecordingView : public RichTextView {
 public:
  void SetEmphasis(bool on) override { emphasis_ = on; }
  void SetColour(const QColor& colour) override { colour_ = colour; }
  void InsertText(const QString& text) override { inserted.append({text, emphasis_, colour_}); }
  QList<Insertion> inserted;

 private:
  bool emphasis_ = false;
  QColor colour_ = Qt::magenta;  // not a colour the composer uses
};

// Every field different, so a value under the wrong heading shows.
SignRecord DistinctRecord() {
  return SignRecord{"compatible", "male colour", "female colour", "polarity", "deity",       "keywords",
                    "role",       "animal",      "appearance",    "zodiac",   "description", "people"};
}

// Heading and value of blocks 2..13 for DistinctRecord().
const QList<QPair<QString, QString>> DistinctEntries{
  {"Ruling Deity :-", "deity"},
  {"Appearance :-", "appearance"},
  {"Sacred Animal :-", "animal"},
  {"Keywords :-", "keywords"},
  {"Compatible Signs :-", "compatible"},
  {"Lucky Color for Male :-", "male colour"},
  {"Lucky Color for Female :-", "female colour"},
  {"Polarity :-", "polarity"},
  {"Role :-", "role"},
  {"Corresponding Zodiac Sign :-", "zodiac"},
  {"Description of God/ Goddess :-", "description"},
  {"Characteristics of people under this Sign :-", "people"},
};

QList<Insertion> ExpectedInsertions(const QString& title, const QString& caption) {
  QList<Insertion> expected{{title, true, ReportStyle::Heading},
                            {caption + CrLf + CrLf, true, ReportStyle::SignName}};
  for (qsizetype i = 0; i < DistinctEntries.size(); ++i) {
    const bool last = i + 1 == DistinctEntries.size();
    expected.append({DistinctEntries[i].first, true, ReportStyle::Heading});
    expected.append({DistinctEntries[i].second + (last ? CrLf : CrLf + CrLf), false, ReportStyle::Value});
  }
  return expected;
}

// The document as runs of (text, bold, colour), merging equal neighbours and
// writing each paragraph break as "\n" in the run it belongs to.
QList<Insertion> Runs(const QTextDocument* document) {
  QList<Insertion> runs;
  auto add = [&runs](const QString& text, const QTextCharFormat& format) {
    const bool bold = format.fontWeight() >= QFont::Bold;
    const QColor colour = format.foreground().color();
    if (!runs.isEmpty() && runs.last().emphasis == bold && runs.last().colour == colour)
      runs.last().text += text;
    else
      runs.append({text, bold, colour});
  };
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) add(it.fragment().text(), it.fragment().charFormat());
    // A block's char format is that of the break that opens it.
    if (block.next().isValid()) add(QStringLiteral("\n"), block.next().charFormat());
  }
  return runs;
}

}  // namespace

// The reports of real signs, user beside partner, are read in tst_road.
class TestComposer : public QObject {
  Q_OBJECT
 private slots:

  void writesThirteenBlocksInTwentySixStyledInsertions() {
    RecordingView view;
    ComposeReport(view, UserTitleHeading, QStringLiteral("The Nile"), DistinctRecord());
    QCOMPARE(view.inserted.size(), 26);
    QCOMPARE(view.inserted, ExpectedInsertions(UserTitleHeading, QStringLiteral("The Nile")));
  }

  void documentCarriesEachCharactersStyle() {
    ReportView view;
    ComposeReport(view, PartnerTitleHeading, QStringLiteral("Seth"), DistinctRecord());
    QList<Insertion> expected = ExpectedInsertions(PartnerTitleHeading, QStringLiteral("Seth"));
    for (Insertion& i : expected) i.text.replace(CrLf, QStringLiteral("\n"));
    QCOMPARE(Runs(view.document()), expected);
  }

  void plainTextShowsTheReportLayout() {
    ReportView view;
    const SignRecord nile = FillSignRecord(SignName::TheNile);
    ComposeReport(view, UserTitleHeading, QStringLiteral("The Nile"), nile);
    const QString text = view.toPlainText();
    QVERIFY2(text.startsWith(QStringLiteral("Your Egyptian Astrology Sign is :-The Nile\n\n"
                                            "Ruling Deity :-Nile\n\n"
                                            "Appearance :-A woman with antelope horns\n\n")),
             qPrintable(text.left(160)));
    const QString people = QString::fromUtf8(nile.PeopleCharacteristics.c_str());
    QVERIFY(text.endsWith(QStringLiteral("Characteristics of people under this Sign :-") + people + "\n"));
    QVERIFY(!text.endsWith(QStringLiteral("\n\n")));
  }

  void emptyCaptionLeavesTitleThenBreaks() {
    ReportView view;
    ComposeReport(view, UserTitleHeading, QString(), DistinctRecord());
    QVERIFY(view.toPlainText().startsWith(UserTitleHeading + "\n\nRuling Deity :-deity\n\n"));
  }

};

QTEST_MAIN(TestComposer)
#include "tst_composer.moc"
