#include "app/frmmain.h"
#include "app/validation.h"
#include "app/windows.h"
#include "support/guitest.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QString UserName = QStringLiteral("Please Enter Your Name!");
const QString PartnerName = QStringLiteral("Please Enter Your Partner's Name!");
const QString UserDate = QStringLiteral("Please Enter Your Correct Date Of Birth !");
const QString PartnerDate = QStringLiteral("Please Enter Correct Date Of Birth Of Your Partner !");

// Month and day as list positions: month 0 is January, day 0 is the 1st.
constexpr int Jan = 0, Feb = 1, Jun = 5, Nov = 10;
constexpr int Day(int day) { return day - 1; }
}  // namespace

class TestValidation : public QObject {
  Q_OBJECT
  FrmMain* form = nullptr;

  void Enter(const QString& user, const QString& partner, int userMonth, int userDay, int partnerMonth,
             int partnerDay) {
    Child<QLineEdit>(form, "txtName")->setText(user);
    Child<QLineEdit>(form, "txtPartnerName")->setText(partner);
    Child<QComboBox>(form, "cmbMonth")->setCurrentIndex(userMonth);
    Child<QComboBox>(form, "cmbDate")->setCurrentIndex(userDay);
    Child<QComboBox>(form, "cmbPartnerMonth")->setCurrentIndex(partnerMonth);
    Child<QComboBox>(form, "cmbPartnerDate")->setCurrentIndex(partnerDay);
  }

 private slots:
  void init() { form = ShowFreshMainWindow(); }
  void cleanup() { UnloadAllWindows(); }

  // Which message a press of Command1 shows first, and where the focus goes after it.
  void checks_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("partner");
    QTest::addColumn<int>("userMonth");
    QTest::addColumn<int>("userDay");
    QTest::addColumn<int>("partnerMonth");
    QTest::addColumn<int>("partnerDay");
    QTest::addColumn<QString>("message");     // empty: accepted
    QTest::addColumn<QString>("focusAfter");  // focus starts in cmbYear; accepted: the report window opens
    QTest::addRow("both names empty: only the user's message") << "" << "" << Jan << 0 << Jan << 0 << UserName
                                                               << "txtName";
    QTest::addRow("partner's name empty before an impossible user date")
        << "ANN" << "" << Feb << Day(31) << Jan << 0 << PartnerName << "txtPartnerName";
    QTest::addRow("blank-only names pass") << " " << "   " << Jan << 0 << Jan << 0 << "" << "";
    QTest::addRow("29 February passes") << "ANN" << "BOB" << Feb << Day(29) << Feb << Day(29) << "" << "";
    QTest::addRow("both dates impossible: only the user's message")
        << "ANN" << "BOB" << Feb << Day(30) << Nov << Day(31) << UserDate << "cmbYear";
    QTest::addRow("partner's date impossible, focus unchanged")
        << "ANN" << "BOB" << Jan << 0 << Jun << Day(31) << PartnerDate << "cmbYear";
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
    Child<QComboBox>(form, "cmbYear")->setFocus();
    Child<QPushButton>(form, "Command1")->click();
    QCOMPARE(ShownMessages(), message.isEmpty() ? QString() : OkMessage(message));
    QCOMPARE(Windows::ReportIfLoaded() != nullptr, message.isEmpty());
    if (!message.isEmpty()) QCOMPARE(QApplication::focusWidget()->objectName(), focusAfter);
    QCOMPARE(Child<QLineEdit>(form, "txtName")->text(), user);  // nothing corrected or cleared
    QCOMPARE(Child<QComboBox>(form, "cmbDate")->currentIndex(), userDay);
  }

  // Positions no pick can give (an emptied list) are never passed on.
  void positionsOffTheLists() {
    const auto person = [](int month, int day) { return PersonInput{QStringLiteral("ANN"), day, month, {}, {}, {}}; };
    const auto fault = [](const PersonInput& user, const PersonInput& partner) {
      const auto checked = CheckInput(user, partner);
      return std::holds_alternative<InputFault>(checked) ? int(std::get<InputFault>(checked)) : -1;
    };
    for (const auto& [month, day] : {std::pair{-1, 0}, {Jan, -1}, {12, 0}, {Jan, 31}, {Jan, 70000}}) {
      QCOMPARE(fault(person(month, day), person(Jan, 0)), int(InputFault::UserDateImpossible));
      QCOMPARE(fault(person(Jan, 0), person(month, day)), int(InputFault::PartnerDateImpossible));
    }
  }
};

QTEST_MAIN(TestValidation)
#include "tst_validation.moc"
