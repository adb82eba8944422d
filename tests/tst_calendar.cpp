#include "astro/calendar.h"

#include <QTest>

class TestCalendar : public QObject {
  Q_OBJECT
 private slots:
  void firstRow() {
    const auto match = FindSign(0, 0);
    QVERIFY(match.has_value());
    QCOMPARE(match->sign, SignName::TheNile);
  }
};

QTEST_GUILESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
