#include "astro/verdict.h"
#include "report/displaytext.h"
#include "report/reading.h"

#include <QTest>

Q_DECLARE_METATYPE(PersonInput)

namespace {

// Day and month as the user picks them (1-based); the lists' display texts.
PersonInput Person(const QString& name, int day, int month, int year = 1950) {
  static const char* const Months[] = {"January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December"};
  return {name, day - 1, month - 1, QString::number(day), QString::fromLatin1(Months[month - 1]),
          QString::number(year)};
}

// The reading for two dates the calendar knows.
Reading Read(const PersonInput& user, const PersonInput& partner) {
  return MakeReading(user, *FindSignAt(user.monthPosition, user.dayPosition), partner,
                     *FindSignAt(partner.monthPosition, partner.dayPosition));
}

}  // namespace

class TestReading : public QObject {
  Q_OBJECT
 private slots:
  // What each side of a report says, from the input alone.
  void sides_data() {
    QTest::addColumn<PersonInput>("user");
    QTest::addColumn<PersonInput>("partner");
    QTest::addColumn<QString>("userCaption");
    QTest::addColumn<int>("userPicture");
    QTest::addColumn<QString>("partnerCaption");
    QTest::addColumn<int>("partnerPicture");
    QTest::addColumn<QString>("verdict");
    QTest::addRow("lists as loaded: The Nile twice") << Person("ANN", 1, 1) << Person("BOB", 1, 1) << "The Nile" << 8
                                                      << "The Nile" << 8 << FromEngine(VerdictNotCompatible);
    QTest::addRow("20 July is Basted, 5 October Bastet, one picture")
        << Person("ANN", 20, 7) << Person("BOB", 5, 10) << "Basted" << 3 << "Bastet" << 3 << FromEngine(VerdictNotCompatible);
    QTest::addRow("Amon-Ra with Horus: the user's row decides")
        << Person("ANN", 8, 1) << Person("BOB", 20, 4) << "Amon Ra" << 1 << "Horus" << 5 << FromEngine(VerdictCompatible);
    QTest::addRow("Horus with Amon-Ra: swapped, not the same answer")
        << Person("ANN", 20, 4) << Person("BOB", 8, 1) << "Horus" << 5 << "Amon Ra" << 1
        << FromEngine(VerdictNotCompatible);
  }
  void sides() {
    QFETCH(PersonInput, user);
    QFETCH(PersonInput, partner);
    const Reading reading = Read(user, partner);
    QTEST(reading.user.caption, "userCaption");
    QTEST(reading.user.picture, "userPicture");
    QTEST(reading.partner.caption, "partnerCaption");
    QTEST(reading.partner.picture, "partnerPicture");
    QTEST(reading.verdict, "verdict");
    QVERIFY(reading.user.record == FillSignRecord(reading.user.sign));
    QVERIFY(reading.partner.record == FillSignRecord(reading.partner.sign));
    QCOMPARE(reading.summaryCaption, QStringLiteral("Compatibility With Your Partner"));
  }

  // Names go into the labels and captions exactly as typed, however long,
  // blanks and ampersands included; the year only reaches the date label.
  void namesAndDatesAsTyped() {
    const QString longName = QStringLiteral("MARIA DEL CARMEN FERNANDEZ GONZALEZ DE LA ROSA Y SANCHEZ DE LA VEGA");
    const Reading reading = Read(Person(longName, 7, 1, 1980), Person(QStringLiteral(" TOM & JERRY "), 15, 8, 2099));
    QCOMPARE(reading.user.name, longName);
    QCOMPARE(reading.user.tabCaption, longName + QStringLiteral("'s Characteristics"));
    QCOMPARE(reading.partner.tabCaption, QStringLiteral(" TOM & JERRY 's Characteristics"));
    QCOMPARE(reading.user.dateLabel, QStringLiteral("7/January/1980"));
    QCOMPARE(reading.partner.dateLabel, QStringLiteral("15/August/2099"));
    const Reading otherYears = Read(Person(longName, 7, 1, 1900), Person(QStringLiteral(" TOM & JERRY "), 15, 8, 1901));
    QCOMPARE(otherYears.user.sign, reading.user.sign);
    QCOMPARE(otherYears.verdict, reading.verdict);
  }
};

QTEST_GUILESS_MAIN(TestReading)
#include "tst_reading.moc"
