#include "ui/messages.h"
#include "app/windows.h"
#include "report/autosizelabel.h"
#include "report/frmdisplay.h"
#include "report/reportview.h"

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
  void init() {
    Messages::StartRecording();
    window = SharedWindow<FrmDisplay>::Get();
  }
  void cleanup() {
    delete window.data();
    const bool quiet = Messages::Recorded().isEmpty();
    Messages::StopRecording();
    QVERIFY(quiet);  // the window reports nothing itself
  }

  void loadsOnTheCompatibilityTabWithFocusOnSave() {
    QCOMPARE(window->tabSelect()->currentIndex(), 2);
    for (QLabel* picture : {window->picGod(), window->picPartnerGod()}) {
      QCOMPARE(picture->property("pictureIndex").toInt(), 8);
      QVERIFY(!picture->pixmap().isNull());
    }
    for (ReportView* view : {window->RTB(), window->PartnerRTB()}) {
      QVERIFY(view->toPlainText().isEmpty());
      QVERIFY(view->isReadOnly());
    }
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdSave"));
  }

  void userCannotTypeIntoTheViews() {
    window->tabSelect()->setCurrentIndex(0);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->RTB()->InsertText(QStringLiteral("report\r\n"));
    window->RTB()->setFocus();
    QTest::keyClicks(window->RTB(), QStringLiteral("typed"));
    QTest::keyClick(window->RTB(), Qt::Key_Backspace);
    QCOMPARE(window->RTB()->toPlainText(), QStringLiteral("report\n"));
  }

  // A value label grows and shrinks with its text and stays centred over its column.
  void valueLabelsFollowTheirText() {
    AutoSizeLabel* name = window->lblYourName();
    const QRect design = name->geometry();
    name->setText(QStringLiteral("ANNABELLE MARGARET LEE"));
    QVERIFY(name->width() > design.width());
    QVERIFY(name->width() >= QFontMetrics(name->font()).horizontalAdvance(name->text()));
    QVERIFY(qAbs(name->geometry().center().x() - design.center().x()) <= 1);
    name->setText(QStringLiteral("AL"));
    QVERIFY(name->width() < design.width());
    // A name far too long for its row wraps inside the name column, clear of the date.
    name->setText(QString(QStringLiteral("ANN ")).repeated(60).trimmed());
    QVERIFY(!name->geometry().intersects(window->lblYourDateOfBirth()->geometry()));
    // Set through a plain QLabel pointer, the caption is refitted when shown.
    QLabel* plain = window->lblYourPartnerEgyptianSign();
    plain->setText(QStringLiteral("Sekhmet, the lioness"));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(plain->width() >= QFontMetrics(plain->font()).horizontalAdvance(plain->text()));
  }

  void picturesByNumber_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("shown");
    QTest::addRow("first") << 1 << 1;
    QTest::addRow("last") << 12 << 12;
    QTest::addRow("zero ignored") << 0 << 8;
    QTest::addRow("thirteen ignored") << 13 << 8;
  }
  void picturesByNumber() {
    QFETCH(int, index);
    QFETCH(int, shown);
    window->SetGodPicture(index);
    window->SetPartnerGodPicture(index);
    QCOMPARE(window->picGod()->property("pictureIndex").toInt(), shown);
    QCOMPARE(window->picPartnerGod()->property("pictureIndex").toInt(), shown);
  }

  // Back and Exit, by button, menu and key, are pressed in tst_accesskeys.
  void closeBoxDestroysTheWindow() {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->close();
    QTRY_VERIFY(window.isNull());
    QVERIFY(SharedWindow<FrmDisplay>::IfLoaded() == nullptr);
  }
};

QTEST_MAIN(TestReportWindow)
#include "tst_reportwindow.moc"
