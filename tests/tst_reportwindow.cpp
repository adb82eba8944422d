#include "ui/messages.h"
#include "app/windows.h"
#include "app/wiring.h"
#include "report/autosizelabel.h"
#include "report/frmdisplay.h"
#include "report/reportview.h"
#include "support/guitest.h"

#include <QApplication>
#include <QPointer>
#include <QTabWidget>
#include <QTest>

// Menus, links and the keyboard order are followed in tst_accesskeys and
// tst_accessibility; the layout in tst_scaling.
class TestReportWindow : public QObject {
  Q_OBJECT
  QPointer<FrmDisplay> window;

 private slots:
  void initTestCase() { WireWindows(); }  // as start-up does
  void init() {
    Messages::StartRecording();
    window = Windows::Report();
  }
  void cleanup() {
    delete window.data();
    const bool quiet = Messages::Recorded().isEmpty();
    Messages::StopRecording();
    QVERIFY(quiet);  // the window reports nothing itself
  }

  void loadsOnTheCompatibilityTabWithFocusOnSave() {
    QCOMPARE(Child<QTabWidget>(window, "tabSelect")->currentIndex(), 2);
    for (QLabel* picture : {Child<QLabel>(window, "picGod"), Child<QLabel>(window, "picPartnerGod")}) {
      QCOMPARE(picture->property("pictureIndex").toInt(), 8);
      QVERIFY(!picture->pixmap().isNull());
    }
    for (ReportView* view : {Child<ReportView>(window, "RTB"), Child<ReportView>(window, "PartnerRTB")}) {
      QVERIFY(view->toPlainText().isEmpty());
      QVERIFY(view->isReadOnly());
    }
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdSave"));
  }

  void userCannotTypeIntoTheViews() {
    Child<QTabWidget>(window, "tabSelect")->setCurrentIndex(0);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    Child<ReportView>(window, "RTB")->InsertText(QStringLiteral("report\r\n"));
    Child<ReportView>(window, "RTB")->setFocus();
    QTest::keyClicks(Child<ReportView>(window, "RTB"), QStringLiteral("typed"));
    QTest::keyClick(Child<ReportView>(window, "RTB"), Qt::Key_Backspace);
    QCOMPARE(Child<ReportView>(window, "RTB")->toPlainText(), QStringLiteral("report\n"));
  }

  // A value label grows and shrinks with its text and stays centred over its column.
  void valueLabelsFollowTheirText() {
    AutoSizeLabel* name = Child<AutoSizeLabel>(window, "lblYourName");
    const QRect design = name->geometry();
    name->SetCaption(QStringLiteral("ANNABELLE MARGARET LEE"));
    QVERIFY(name->width() > design.width());
    QVERIFY(name->width() >= QFontMetrics(name->font()).horizontalAdvance(name->text()));
    QVERIFY(qAbs(name->geometry().center().x() - design.center().x()) <= 1);
    name->SetCaption(QStringLiteral("AL"));
    QVERIFY(name->width() < design.width());
    // A name far too long for its row has no room of its own to wrap into:
    // it stays on its line, clear of the date and of the heading below, and
    // says the whole name in its tooltip and to screen readers.
    for (const QString& longName : {QString(QStringLiteral("ANN ")).repeated(40).trimmed(), QString(80, u'W')}) {
      name->SetCaption(longName);
      QVERIFY(name->Shortened());
      QCOMPARE(name->text(), longName);
      QCOMPARE(name->toolTip(), longName);
      QCOMPARE(name->accessibleDescription(), longName);
      for (const char* neighbour : {"lblYourDateOfBirth", "Label6"})
        QVERIFY2(!name->geometry().intersects(Child<QLabel>(window, neighbour)->geometry()), neighbour);
    }
    name->SetCaption(QStringLiteral("ANN"));
    QVERIFY(!name->Shortened());
    QCOMPARE(name->accessibleDescription(), QStringLiteral("Your Name"));
    QVERIFY(name->toolTip().isEmpty());
    // Set through a plain QLabel pointer, the caption is refitted when shown.
    QLabel* plain = Child<AutoSizeLabel>(window, "lblYourPartnerEgyptianSign");
    plain->setText(QStringLiteral("Sekhmet, the lioness"));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(plain->width() >= QFontMetrics(plain->font()).horizontalAdvance(plain->text()));
  }

  // Back and Exit, by button, menu and key, are pressed in tst_accesskeys.
  void closeBoxDestroysTheWindow() {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->close();
    QTRY_VERIFY(window.isNull());
    QVERIFY(Windows::ReportIfLoaded() == nullptr);
  }
};

QTEST_MAIN(TestReportWindow)
#include "tst_reportwindow.moc"
