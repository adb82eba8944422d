#include "astro/calendar.h"

#include <QTest>

#include <array>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

Q_DECLARE_METATYPE(SignName)

// Readable failure messages: QCOMPARE finds this through argument lookup.
char* toString(SignName sign) {
  return qstrdup(std::string(SignDisplayName(sign)).c_str());
}

namespace {

using enum SignName;

QString Text(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The calendar as the program's users know it, kept apart from the program's
// own table so that a slip in one is caught by the other.
struct Row {
  int month;
  int firstDay;
  int lastDay;
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

// Days the input check lets through; 29 February always, whatever the year.
constexpr std::array<int, 12> AcceptedDays{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

const char* const MonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

const Row* ExpectedRow(int month, int day) {
  for (const Row& r : Expected) {
    if (r.month == month && day >= r.firstDay && day <= r.lastDay) return &r;
  }
  return nullptr;
}

std::optional<SignMatch> Find(int month, int day) {
  return FindSign(static_cast<std::int16_t>(month - 1), static_cast<std::int16_t>(day - 1));
}

bool IsAccepted(int monthPosition, int dayPosition) {
  return monthPosition >= 0 && monthPosition < 12 && dayPosition >= 0 &&
         dayPosition < AcceptedDays[static_cast<std::size_t>(monthPosition)];
}

}  // namespace

class TestCalendar : public QObject {
  Q_OBJECT

  // Every position pair must either be refused or land on the expected row.
  static bool Agrees(int monthPosition, int dayPosition) {
    const auto match = FindSign(static_cast<std::int16_t>(monthPosition), static_cast<std::int16_t>(dayPosition));
    if (!IsAccepted(monthPosition, dayPosition)) return !match.has_value();
    const Row* row = ExpectedRow(monthPosition + 1, dayPosition + 1);
    return match && row && match->sign == row->sign && Text(match->caption) == QLatin1String(row->caption);
  }

 private slots:
  void signOrderGivesPictureAndCaption_data() {
    QTest::addColumn<SignName>("sign");
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const char* names[] = {"Amon-Ra", "Anubis", "Bastet", "Geb", "Horus", "Isis",
                           "Mut", "The Nile", "Osiris", "Sekhmet", "Seth", "Thoth"};
    const char* captions[] = {"Amon Ra", "Anubis", "Bastet", "Geb", "Horus", "Isis",
                              "Mut", "The Nile", "Osiris", "Sekhmet", "Seth", "Thoth"};
    for (int i = 0; i < SignCount; ++i) {
      QTest::addRow("%s", names[i]) << AllSigns[static_cast<std::size_t>(i)] << i + 1
                                    << QString(names[i]) << QString(captions[i]);
    }
  }
  void signOrderGivesPictureAndCaption() {
    QFETCH(SignName, sign);
    QFETCH(int, picture);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QCOMPARE(PictureIndex(sign), picture);
    QCOMPARE(Text(SignDisplayName(sign)), name);
    QCOMPARE(Text(SignCaption(sign)), caption);
  }

  void rowEdges_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<SignName>("sign");
    QTest::addColumn<QString>("caption");
    for (const Row& r : Expected) {
      const char* m = MonthNames[r.month - 1];
      const QString caption(r.caption);
      QTest::addRow("%s %d first of %s", m, r.firstDay, r.caption) << r.month << r.firstDay << r.sign << caption;
      QTest::addRow("%s %d last of %s", m, r.lastDay, r.caption) << r.month << r.lastDay << r.sign << caption;
    }
  }
  void rowEdges() {
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(SignName, sign);
    QFETCH(QString, caption);
    const auto match = Find(month, day);
    QVERIFY(match.has_value());
    QCOMPARE(match->sign, sign);
    QCOMPARE(Text(match->caption), caption);
    QCOMPARE(PictureIndex(match->sign), PictureIndex(sign));
  }

  // Off-by-one at a row boundary shows as the wrong neighbour on one side.
  void neighboursAcrossBoundaries_data() {
    QTest::addColumn<int>("beforeMonth");
    QTest::addColumn<int>("beforeDay");
    QTest::addColumn<int>("afterMonth");
    QTest::addColumn<int>("afterDay");
    for (std::size_t i = 0; i < Expected.size(); ++i) {
      const Row& before = Expected[i];
      const Row& after = Expected[(i + 1) % Expected.size()];
      QTest::addRow("%s %d | %s %d", MonthNames[before.month - 1], before.lastDay, MonthNames[after.month - 1],
                    after.firstDay)
          << before.month << before.lastDay << after.month << after.firstDay;
    }
  }
  void neighboursAcrossBoundaries() {
    QFETCH(int, beforeMonth);
    QFETCH(int, beforeDay);
    QFETCH(int, afterMonth);
    QFETCH(int, afterDay);
    const Row* expectedBefore = ExpectedRow(beforeMonth, beforeDay);
    const Row* expectedAfter = ExpectedRow(afterMonth, afterDay);
    const auto before = Find(beforeMonth, beforeDay);
    const auto after = Find(afterMonth, afterDay);
    QVERIFY(before && after);
    QCOMPARE(before->sign, expectedBefore->sign);
    QCOMPARE(after->sign, expectedAfter->sign);
    QCOMPARE(Text(before->caption), QLatin1String(expectedBefore->caption));
    QCOMPARE(Text(after->caption), QLatin1String(expectedAfter->caption));
    // Inside one month two neighbouring rows always belong to different signs.
    if (beforeMonth == afterMonth) QVERIFY(before->sign != after->sign);
  }

  // Both Bastet captions belong to one sign and one picture.
  void bastetCaptions_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("caption");
    QTest::addRow("14 July") << 7 << 14 << "Basted";
    QTest::addRow("20 July") << 7 << 20 << "Basted";
    QTest::addRow("28 July") << 7 << 28 << "Basted";
    QTest::addRow("23 September") << 9 << 23 << "Bastet";
    QTest::addRow("27 September") << 9 << 27 << "Bastet";
    QTest::addRow("3 October") << 10 << 3 << "Bastet";
    QTest::addRow("10 October") << 10 << 10 << "Bastet";
    QTest::addRow("17 October") << 10 << 17 << "Bastet";
  }
  void bastetCaptions() {
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, caption);
    const auto match = Find(month, day);
    QVERIFY(match.has_value());
    QCOMPARE(match->sign, Bastet);
    QCOMPARE(Text(match->caption), caption);
    QCOMPARE(PictureIndex(match->sign), 3);
  }

  void everyAcceptedDateHasItsSign() {
    int dates = 0;
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= AcceptedDays[static_cast<std::size_t>(month - 1)]; ++day) {
        const auto match = Find(month, day);
        const Row* row = ExpectedRow(month, day);
        QVERIFY2(match.has_value(), qPrintable(QString("no sign for %1 %2").arg(MonthNames[month - 1]).arg(day)));
        QCOMPARE(match->sign, row->sign);
        QCOMPARE(Text(match->caption), QLatin1String(row->caption));
        // The user and the partner ask the same question and must get the same answer.
        QVERIFY(Find(month, day) == match);
        ++dates;
      }
    }
    QCOMPARE(dates, 366);
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
    QVERIFY(!Find(month, day).has_value());
  }

  void outOfRangePositionsHaveNoSign_data() {
    QTest::addColumn<int>("monthPosition");
    QTest::addColumn<int>("dayPosition");
    QTest::addRow("month -1") << -1 << 0;
    QTest::addRow("month 12") << 12 << 0;
    QTest::addRow("month 32767") << 32767 << 0;
    QTest::addRow("month -32768") << -32768 << 0;
    QTest::addRow("day -1") << 0 << -1;
    QTest::addRow("day 31 (32nd)") << 0 << 31;
    QTest::addRow("day 32767") << 11 << 32767;
    QTest::addRow("day -32768") << 11 << -32768;
    QTest::addRow("both -1") << -1 << -1;
    QTest::addRow("both 32767") << 32767 << 32767;
    QTest::addRow("both -32768") << -32768 << -32768;
  }
  void outOfRangePositionsHaveNoSign() {
    QFETCH(int, monthPosition);
    QFETCH(int, dayPosition);
    QVERIFY(!FindSign(static_cast<std::int16_t>(monthPosition), static_cast<std::int16_t>(dayPosition)));
  }

  // The lists hand over 16-bit positions; no value of either may wrap onto a real date.
  void everyInt16PositionIsSafe() {
    const int someDays[] = {SHRT_MIN, SHRT_MIN + 1, -2, -1, 0, 14, 28, 29, 30, 31, 32, SHRT_MAX - 1, SHRT_MAX};
    const int someMonths[] = {SHRT_MIN, SHRT_MIN + 1, -1, 0, 1, 6, 11, 12, 13, SHRT_MAX - 1, SHRT_MAX};
    for (int month = SHRT_MIN; month <= SHRT_MAX; ++month) {
      for (int day : someDays) {
        if (!Agrees(month, day)) QFAIL(qPrintable(QString("month %1, day %2").arg(month).arg(day)));
      }
    }
    for (int day = SHRT_MIN; day <= SHRT_MAX; ++day) {
      for (int month : someMonths) {
        if (!Agrees(month, day)) QFAIL(qPrintable(QString("month %1, day %2").arg(month).arg(day)));
      }
    }
  }
};

QTEST_GUILESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
