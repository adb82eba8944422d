#include "app/frmmain.h"
#include "app/messages.h"
#include "app/validation.h"
#include "app/windows.h"
#include "astro/calendar.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {
const QString UserName = QStringLiteral("Please Enter Your Name!");
const QString PartnerName = QStringLiteral("Please Enter Your Partner's Name!");
const QString UserDate = QStringLiteral("Please Enter Your Correct Date Of Birth !");
const QString PartnerDate = QStringLiteral("Please Enter Correct Date Of Birth Of Your Partner !");

// Month and day as list positions: month 0 is January, day 0 is the 1st.
constexpr int Jan = 0, Feb = 1, Apr = 3, May = 4, Jun = 5, Sep = 8, Nov = 10, Dec = 11;
constexpr int Day(int day) { return day - 1; }
}  // namespace

class TestValidation : public QObject {
  Q_OBJECT
  FrmMain* form = nullptr;

  void Enter(const QString& user, const QString& partner, int userMonth, int userDay, int partnerMonth,
             int partnerDay) {
    form->txtName()->setText(user);
    form->txtPartnerName()->setText(partner);
    form->cmbMonth()->setCurrentIndex(userMonth);
    form->cmbDate()->setCurrentIndex(userDay);
    form->cmbPartnerMonth()->setCurrentIndex(partnerMonth);
    form->cmbPartnerDate()->setCurrentIndex(partnerDay);
  }

  QStringList Input() const {
    return {form->txtName()->text(),
            form->txtPartnerName()->text(),
            QString::number(form->cmbMonth()->currentIndex()),
            QString::number(form->cmbDate()->currentIndex()),
            QString::number(form->cmbYear()->currentIndex()),
            QString::number(form->cmbPartnerMonth()->currentIndex()),
            QString::number(form->cmbPartnerDate()->currentIndex()),
            QString::number(form->cmbPartnerYear()->currentIndex())};
  }

 private slots:
  void init() {
    Messages::StartRecording();
    LoadedWindows::ResetForTests();
    form = SharedWindow<FrmMain>::Get();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form));
  }
  void cleanup() {
    delete SharedWindow<FrmMain>::IfLoaded();
    form = nullptr;
    Messages::StopRecording();
  }

  void checks_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("partner");
    QTest::addColumn<int>("userMonth");
    QTest::addColumn<int>("userDay");
    QTest::addColumn<int>("partnerMonth");
    QTest::addColumn<int>("partnerDay");
    QTest::addColumn<QString>("message");     // empty: accepted
    QTest::addColumn<QString>("focusAfter");  // focus starts in cmbYear
    const QString ok;
    QTest::addRow("both names empty: only the user's message") << "" << "" << Jan << 0 << Jan << 0 << UserName
                                                               << "txtName";
    QTest::addRow("user's name empty") << "" << "BOB" << Jan << 0 << Jan << 0 << UserName << "txtName";
    QTest::addRow("partner's name empty before an impossible user date")
        << "ANN" << "" << Feb << Day(31) << Jan << 0 << PartnerName << "txtPartnerName";
    QTest::addRow("blank-only names pass") << " " << "   " << Jan << 0 << Jan << 0 << ok << "cmbYear";
    QTest::addRow("29 February passes") << "ANN" << "BOB" << Feb << Day(29) << Feb << Day(29) << ok << "cmbYear";
    QTest::addRow("30 February refused") << "ANN" << "BOB" << Feb << Day(30) << Jan << 0 << UserDate << "cmbYear";
    QTest::addRow("31 February refused") << "ANN" << "BOB" << Feb << Day(31) << Jan << 0 << UserDate << "cmbYear";
    QTest::addRow("31 April refused") << "ANN" << "BOB" << Apr << Day(31) << Jan << 0 << UserDate << "cmbYear";
    QTest::addRow("31 June refused") << "ANN" << "BOB" << Jun << Day(31) << Jan << 0 << UserDate << "cmbYear";
    QTest::addRow("31 September refused") << "ANN" << "BOB" << Sep << Day(31) << Jan << 0 << UserDate
                                          << "cmbYear";
    QTest::addRow("31 November refused") << "ANN" << "BOB" << Nov << Day(31) << Jan << 0 << UserDate << "cmbYear";
    QTest::addRow("30 April passes") << "ANN" << "BOB" << Apr << Day(30) << Apr << Day(30) << ok << "cmbYear";
    QTest::addRow("31 May passes") << "ANN" << "BOB" << May << Day(31) << May << Day(31) << ok << "cmbYear";
    QTest::addRow("31 December passes") << "ANN" << "BOB" << Dec << Day(31) << Dec << Day(31) << ok << "cmbYear";
    QTest::addRow("both dates impossible: only the user's message")
        << "ANN" << "BOB" << Feb << Day(30) << Nov << Day(31) << UserDate << "cmbYear";
    QTest::addRow("partner's date impossible, focus unchanged")
        << "ANN" << "BOB" << Jan << 0 << Jun << Day(31) << PartnerDate << "cmbYear";
    QTest::addRow("partner's 30 February") << "ANN" << "BOB" << Jan << 0 << Feb << Day(30) << PartnerDate
                                           << "cmbYear";
  }
  void checks() {
    QFETCH(QString, user);
    QFETCH(QString, partner);
    QFETCH(int, userMonth);
    QFETCH(int, userDay);
    QFETCH(int, partnerMonth);
    QFETCH(int, partnerDay);
    QFETCH(QString, message);
    QFETCH(QString, focusAfter);
    Enter(user, partner, userMonth, userDay, partnerMonth, partnerDay);
    form->cmbYear()->setFocus();
    QCOMPARE(QApplication::focusWidget(), form->cmbYear());
    const QStringList before = Input();

    QCOMPARE(ValidateInput(), message.isEmpty());

    if (message.isEmpty()) {
      QVERIFY(Messages::Recorded().isEmpty());
    } else {
      QCOMPARE(Messages::Recorded().size(), 1);
      const Messages::Shown& shown = Messages::Recorded().first();
      QCOMPARE(shown.text, message);
      QCOMPARE(shown.title, QStringLiteral("Scarabine"));
      QCOMPARE(shown.icon, QMessageBox::Information);
      QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), focusAfter);
    QCOMPARE(Input(), before);  // nothing corrected or cleared
  }

  // Every pick the lists allow, on either side: accepted exactly when the
  // calendar has a sign for it, so no accepted date can miss the calendar.
  void everyListPosition() {
    form->txtName()->setText(QStringLiteral("ANN"));
    form->txtPartnerName()->setText(QStringLiteral("BOB"));
    QCOMPARE(form->cmbMonth()->count(), 12);
    QCOMPARE(form->cmbDate()->count(), 31);
    int accepted = 0;
    for (int month = 0; month < 12; ++month) {
      for (int day = 0; day < 31; ++day) {
        const bool hasSign = FindSign(std::int16_t(month), std::int16_t(day)).has_value();
        const QString where = QStringLiteral("month %1 day %2").arg(month).arg(day);
        Enter("ANN", "BOB", month, day, Jan, 0);
        QVERIFY2(ValidateInput() == hasSign, qPrintable("user " + where));
        Enter("ANN", "BOB", Jan, 0, month, day);
        QVERIFY2(ValidateInput() == hasSign, qPrintable("partner " + where));
        accepted += hasSign ? 1 : 0;
      }
    }
    QCOMPARE(accepted, 366);
    QCOMPARE(form->txtName()->text(), QStringLiteral("ANN"));
    QCOMPARE(form->txtPartnerName()->text(), QStringLiteral("BOB"));
  }

  // Positions no pick can give (an emptied list) are never passed on.
  void positionsOffTheLists_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addRow("no month selected") << -1 << 0;
    QTest::addRow("no day selected") << Jan << -1;
    QTest::addRow("month past December") << 12 << 0;
    QTest::addRow("day past the 31st") << Jan << 31;
  }
  void positionsOffTheLists() {
    QFETCH(int, month);
    QFETCH(int, day);
    QVERIFY(IsImpossibleDate(month, day));
    QCOMPARE(CheckInput(false, false, month, day, Jan, 0), InputCheck::UserDateImpossible);
    QCOMPARE(CheckInput(false, false, Jan, 0, month, day), InputCheck::PartnerDateImpossible);
  }
};

QTEST_MAIN(TestValidation)
#include "tst_validation.moc"
