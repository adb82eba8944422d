// A self-sizing label skips refitting only when nothing that decides its
// size has changed since the last fit.
#include "report/autosizelabel.h"

#include <QFont>
#include <QTest>

class TestAutoSizeFit : public QObject {
  Q_OBJECT

 private slots:
  void refitsOnShowWhenChanged_data() {
    QTest::addColumn<int>("change");
    QTest::addRow("caption set through a plain QLabel") << 0;
    QTest::addRow("font grown after the caption") << 1;
    QTest::addRow("margins added after the caption") << 2;
  }
  void refitsOnShowWhenChanged() {
    QFETCH(int, change);
    QWidget container;
    container.resize(600, 200);
    auto* label = new AutoSizeLabel(QStringLiteral("Short"), &container, AutoSizeLabel::Anchor::Centre);
    label->Place(QPoint(280, 10), QRect(0, 0, 600, 0));
    label->SetCaption(QStringLiteral("A somewhat longer caption"));
    const QRect before = label->geometry();
    switch (change) {
      case 0:
        static_cast<QLabel*>(label)->setText(QStringLiteral("A caption longer still, set behind its back"));
        break;
      case 1: {
        QFont big = label->font();
        big.setPointSizeF(big.pointSizeF() * 2);
        label->setFont(big);
        break;
      }
      case 2:
        label->setContentsMargins(20, 4, 20, 4);
        break;
    }
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    QVERIFY2(label->width() > before.width(), qPrintable(QString::number(label->width())));
    // Still centred where the design caption was.
    QVERIFY(qAbs(label->geometry().center().x() - before.center().x()) <= 1);
  }

  void unchangedCaptionKeepsItsPlace() {
    QWidget container;
    container.resize(300, 200);
    auto* label = new AutoSizeLabel(QStringLiteral("Name"), &container, AutoSizeLabel::Anchor::Centre);
    label->Place(QPoint(50, 10), QRect(0, 0, 300, 0));
    label->SetCaption(QString(2000, QLatin1Char('x')).replace(QStringLiteral("xxxxxxx"), QStringLiteral("xxxxxx ")));
    const QRect fitted = label->geometry();
    QVERIFY(label->wordWrap());
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    QCOMPARE(label->geometry(), fitted);
    QVERIFY(label->wordWrap());
    QVERIFY(label->geometry().right() < container.width());
  }
};

QTEST_MAIN(TestAutoSizeFit)
#include "tst_autosizefit.moc"
