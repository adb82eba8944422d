// The program's main road, driven through the real windows: names typed,
// dates picked, the button pressed, the report read, Back, and again.
#include "app/frmmain.h"
#include "ui/messages.h"
#include "app/windows.h"
#include "app/wiring.h"
#include "ui/dialogs.h"
#include "report/frmdisplay.h"
#include "report/reportview.h"
#include "support/guitest.h"
#include "support/urlcatcher.h"
#include "web/frmfarewell.h"
#include "web/referral.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

void ProcessDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

QString LabelText(QWidget* window, const char* name) {
  auto* label = window->findChild<QLabel*>(QLatin1String(name));
  return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

int PictureOf(QWidget* window, const char* name) {
  auto* picture = window->findChild<QLabel*>(QLatin1String(name));
  return picture ? picture->property("pictureIndex").toInt() : -1;
}

}  // namespace

class TestRoad : public QObject {
  Q_OBJECT

  QPointer<FrmMain> input;

  void Enter(const Person& user, const Person& partner) { EnterPeople(input, user, partner); }

  void PressCompute() {
    auto* button = input->findChild<QPushButton*>(QStringLiteral("Command1"));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
  }

 private slots:
  void initTestCase() { WireWindows(); }  // as start-up does
  void init() {
    Messages::StartRecording();
    Windows::ShowMain();
    input = Windows::MainIfLoaded();
    QVERIFY(input);
  }

  void cleanup() {
    UnloadAllWindows();
    ProcessDeferredDeletes();
  }

  void wholeRoadThenBackThenAgain() {
    UrlCatcher catcher;  // the farewell side must not open anything on Back
    Enter({"ann lee", 20, 7, 1980}, {"bob", 10, 10, 1975});
    QCOMPARE(Child<QLineEdit>(input, "txtName")->text(), QStringLiteral("ANN LEE"));
    PressCompute();

    QPointer<FrmDisplay> report = Windows::ReportIfLoaded();
    QVERIFY(report);
    QVERIFY(report->isVisible());
    QVERIFY(!input->isVisible());
    QVERIFY(Messages::Recorded().isEmpty());

    // 20 July: Bastet under its July caption; 10 October: Bastet as "Bastet".
    QCOMPARE(PictureOf(report, "picGod"), 3);
    QCOMPARE(PictureOf(report, "picPartnerGod"), 3);
    QCOMPARE(LabelText(report, "lblGodName"), QStringLiteral("Basted"));
    QCOMPARE(LabelText(report, "lblPartnerGodName"), QStringLiteral("Bastet"));
    QCOMPARE(LabelText(report, "lblYourName"), QStringLiteral("ANN LEE"));
    QCOMPARE(LabelText(report, "lblYourDateOfBirth"), QStringLiteral("20/July/1980"));
    QCOMPARE(LabelText(report, "lblYourEgyptianSign"), QStringLiteral("Basted"));
    QCOMPARE(LabelText(report, "lblYourPartnerName"), QStringLiteral("BOB"));
    QCOMPARE(LabelText(report, "lblYourPartnerDateOfBirth"), QStringLiteral("10/October/1975"));
    QCOMPARE(LabelText(report, "lblYourPartnerEgyptianSign"), QStringLiteral("Bastet"));
    QCOMPARE(LabelText(report, "lblCompatibility"), QStringLiteral("You both are not very compatible"));

    QTabWidget* tabs = Child<QTabWidget>(report, "tabSelect");
    QCOMPARE(tabs->tabText(0), QStringLiteral("ANN LEE's Characteristics"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("BOB's Characteristics"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("Compatibility With Your Partner"));
    QCOMPARE(tabs->currentIndex(), 2);

    const QString userText = Child<ReportView>(report, "RTB")->toPlainText();
    const QString partnerText = Child<ReportView>(report, "PartnerRTB")->toPlainText();
    QVERIFY(userText.startsWith(QStringLiteral("Your Egyptian Astrology Sign is :-Basted\n\nRuling Deity :-Bastet\n")));
    QVERIFY(partnerText.startsWith(QStringLiteral("Your Partner's Egyptian Astrology Sign is :-Bastet\n\n")));
    QCOMPARE(Child<ReportView>(report, "RTB")->textCursor().position(), 0);
    QCOMPARE(Child<ReportView>(report, "PartnerRTB")->textCursor().position(), 0);

    // Back: the main window returns with its input, the report window is gone.
    QTest::mouseClick(report->findChild<QPushButton*>(QStringLiteral("cmdBack")), Qt::LeftButton);
    ProcessDeferredDeletes();
    QVERIFY(report.isNull());
    QVERIFY(input->isVisible());
    QCOMPARE(Child<QLineEdit>(input, "txtName")->text(), QStringLiteral("ANN LEE"));
    QCOMPARE(Child<QComboBox>(input, "cmbMonth")->currentIndex(), 6);
    QCOMPARE(Child<QComboBox>(input, "cmbPartnerYear")->currentText(), QStringLiteral("1975"));
    for (QWidget* w : Windows::InLoadOrder()) QVERIFY2(w == input || !w->isVisible(), qPrintable(w->objectName()));

    // A second run, through the menu entry, shows only the new reports.
    Enter({"cy", 8, 1, 1990}, {"di", 1, 1, 1990});
    input->findChild<QAction*>(QStringLiteral("mnuAstro"))->trigger();
    report = Windows::ReportIfLoaded();
    QVERIFY(report);
    QCOMPARE(LabelText(report, "lblGodName"), QStringLiteral("Amon Ra"));
    QCOMPARE(PictureOf(report, "picGod"), 1);
    QCOMPARE(PictureOf(report, "picPartnerGod"), 8);
    QCOMPARE(LabelText(report, "lblCompatibility"), QStringLiteral("You both are very highly compatible"));
    QVERIFY(Child<ReportView>(report, "RTB")->toPlainText().startsWith(QStringLiteral("Your Egyptian Astrology Sign is :-Amon Ra\n")));
    QVERIFY(!Child<ReportView>(report, "RTB")->toPlainText().contains(QStringLiteral("Basted")));
    QCOMPARE(Child<ReportView>(report, "RTB")->toPlainText().count(QStringLiteral("Ruling Deity :-")), 1);
    QVERIFY(catcher.opened.isEmpty());
  }

  // Each Back shows the farewell window and hides it at once. However often
  // that happens, the main window keeps the keyboard, and the farewell window,
  // when it is finally shown, is as fresh as the first time.
  void manyBacksLeaveTheFarewellUntouched() {
    Enter({"ann", 1, 1, 1980}, {"bob", 2, 2, 1970});
    for (int run = 0; run < 20; ++run) {
      PressCompute();
      QPointer<FrmDisplay> report = Windows::ReportIfLoaded();
      QVERIFY(report);
      QVERIFY(QTest::qWaitForWindowActive(report));
      QTest::mouseClick(report->findChild<QPushButton*>(QStringLiteral("cmdBack")), Qt::LeftButton);
      ProcessDeferredDeletes();
      QTRY_COMPARE(QApplication::activeWindow(), input.data());
    }
    input->close();
    FrmFarewell* farewell = Windows::FarewellIfLoaded();
    QVERIFY(farewell && farewell->isVisible());
    QCOMPARE(farewell->focusWidget(), farewell->findChild<QWidget*>(QStringLiteral("cmdClose")));
    const std::pair<const char*, QString> boxes[]{{"txtName", Placeholder::Name},
                                                  {"txtEmail", Placeholder::Email},
                                                  {"txtFriendName", Placeholder::FriendName},
                                                  {"txtFriendEmail", Placeholder::FriendEmail}};
    for (const auto& [box, placeholder] : boxes)
      QCOMPARE(farewell->findChild<QLineEdit*>(QLatin1String(box))->text(), placeholder);
  }

  void theYearChangesOnlyTheDateLabels() {
    Enter({"ann", 5, 10, 1900}, {"bob", 5, 10, 2099});
    PressCompute();
    FrmDisplay* report = Windows::ReportIfLoaded();
    QVERIFY(report);
    const QString userReport = Child<ReportView>(report, "RTB")->toPlainText();
    QCOMPARE(LabelText(report, "lblYourDateOfBirth"), QStringLiteral("5/October/1900"));
    QCOMPARE(LabelText(report, "lblYourPartnerDateOfBirth"), QStringLiteral("5/October/2099"));
    // Same sign on both sides: the reports differ only in their title heading.
    QString partnerReport = Child<ReportView>(report, "PartnerRTB")->toPlainText();
    partnerReport.replace(QStringLiteral("Your Partner's Egyptian"), QStringLiteral("Your Egyptian"));
    QCOMPARE(partnerReport, userReport);
  }

  void saveWritesTheUsersReportWhicheverTabIsShown() {
    QTemporaryDir dir;
    Enter({"ann", 20, 7, 1980}, {"bob", 1, 1, 1980});
    PressCompute();
    FrmDisplay* report = Windows::ReportIfLoaded();
    QVERIFY(report);
    Child<QTabWidget>(report, "tabSelect")->setCurrentIndex(1);
    SaveDialog::StartRecording();
    SaveDialog::SetNextFileName(dir.filePath(QStringLiteral("report")));
    report->findChild<QAction*>(QStringLiteral("mnuSave"))->trigger();
    SaveDialog::StopRecording();
    QFile saved(dir.filePath(QStringLiteral("report.rtf")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray rtf = saved.readAll();
    QVERIFY(rtf.startsWith("{\\rtf1"));
    QVERIFY(rtf.contains("Your Egyptian Astrology Sign is :-"));
    QVERIFY(rtf.contains("Basted"));
    QVERIFY(!rtf.contains("Your Partner"));
  }
};

QTEST_MAIN(TestRoad)
#include "tst_road.moc"
