#include "astro/calendar.h"

#include <QTest>

#include <array>
#include <climits>
#include <cstdint>
#include <string>

Q_DECLARE_METATYPE(SignName)

// Readable failure messages: QCOMPARE finds this through argument lookup.
char* toString(SignName sign) { return qstrdup(std::string(SignDisplayName(sign)).c_str()); }

namespace {

using enum SignName;

// The calendar as its users know it, kept apart from the program's own table
// so that a slip in one is caught by the other.
struct Row {
  int month, firstDay, lastDay;
  SignName sign;
  const char* caption;
};

constexpr std::array<Row, 35> Expected{{
  {1, 1, 7, TheNile, "The Nile"},   {1, 8, 21, AmonRa, "Amon Ra"},    {1, 22, 31, Mut, "Mut"},
  {2, 1, 11, AmonRa, "Amon Ra"},    {2, 12, 29, Geb, "Geb"},          {3, 1, 10, Osiris, "Osiris"},
  {3, 11, 31, Isis, "Isis"},        {4, 1, 19, Thoth, "Thoth"},       {4, 20, 30, Horus, "Horus"},
  {5, 1, 7, Horus, "Horus"},        {5, 8, 27, Anubis, "Anubis"},     {5, 28, 31, Seth, "Seth"},
  {6, 1, 18, Seth, "Seth"},         {6, 19, 28, TheNile, "The Nile"}, {6, 29, 30, Anubis, "Anubis"},
  {7, 1, 13, Anubis, "Anubis"},     {7, 14, 28, Bastet, "Basted"},    {7, 29, 31, Sekhmet, "Sekhmet"},
  {8, 1, 11, Sekhmet, "Sekhmet"},   {8, 12, 19, Horus, "Horus"},      {8, 20, 31, Geb, "Geb"},
  {9, 1, 7, TheNile, "The Nile"},   {9, 8, 22, Mut, "Mut"},           {9, 23, 27, Bastet, "Bastet"},
  {9, 28, 30, Seth, "Seth"},        {10, 1, 2, Seth, "Seth"},         {10, 3, 17, Bastet, "Bastet"},
  {10, 18, 29, Isis, "Isis"},       {10, 30, 31, Sekhmet, "Sekhmet"}, {11, 1, 7, Sekhmet, "Sekhmet"},
  {11, 8, 17, Thoth, "Thoth"},      {11, 18, 26, TheNile, "The Nile"}, {11, 27, 30, Osiris, "Osiris"},
  {12, 1, 18, Osiris, "Osiris"},    {12, 19, 31, Isis, "Isis"},
}};

// Days the lists let through: 29 February always, whatever the year.
constexpr std::array<int, 12> AcceptedDays{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

std::optional<SignMatch> Find(int monthPosition, int dayPosition) {
  return FindSign(static_cast<std::int16_t>(monthPosition), static_cast<std::int16_t>(dayPosition));
}

}  // namespace

class TestCalendar : public QObject {
  Q_OBJECT
 private slots:
  // Both edges of every row: an off-by-one anywhere lands on a neighbour.
  void rowEdges_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<SignName>("sign");
    QTest::addColumn<QString>("caption");
    for (const Row& r : Expected) {
      QTest::addRow("%d/%d first of %s", r.firstDay, r.month, r.caption) << r.month << r.firstDay << r.sign
                                                                         << QString(r.caption);
      QTest::addRow("%d/%d last of %s", r.lastDay, r.month, r.caption) << r.month << r.lastDay << r.sign
                                                                       << QString(r.caption);
    }
  }
  void rowEdges() {
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(SignName, sign);
    QFETCH(QString, caption);
    const auto match = Find(month - 1, day - 1);
    QVERIFY(match.has_value());
    QCOMPARE(match->sign, sign);
    QCOMPARE(QString::fromLatin1(match->caption.data(), qsizetype(match->caption.size())), caption);
  }

  void refusedDatesHaveNoSign_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addRow("30 February") << 2 << 30;
    QTest::addRow("31 February") << 2 << 31;
    QTest::addRow("31 April") << 4 << 31;
    QTest::addRow("31 June") << 6 << 31;
    QTest::addRow("31 September") << 9 << 31;
    QTest::addRow("31 November") << 11 << 31;
  }
  void refusedDatesHaveNoSign() {
    QFETCH(int, month);
    QFETCH(int, day);
    QVERIFY(!Find(month - 1, day - 1).has_value());
  }

  // The lists hand over 16-bit positions; no value of either may wrap onto a
  // real date, and every accepted pick has a sign.
  void everyInt16PositionIsSafe() {
    auto agrees = [](int month, int day) {
      const bool accepted = month >= 0 && month < 12 && day >= 0 && day < AcceptedDays[std::size_t(month)];
      return Find(month, day).has_value() == accepted;
    };
    const int some[] = {SHRT_MIN, SHRT_MIN + 1, -1, 0, 11, 12, 28, 29, 30, 31, 32, SHRT_MAX};
    for (int value = SHRT_MIN; value <= SHRT_MAX; ++value) {
      for (int other : some) {
        if (!agrees(value, other) || !agrees(other, value))
          QFAIL(qPrintable(QString("positions %1 and %2").arg(value).arg(other)));
      }
    }
  }
};

QTEST_GUILESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
