#include "ui/messages.h"
#include "app/windows.h"
#include "app/wiring.h"
#include "support/urlcatcher.h"
#include "web/frmfarewell.h"
#include "ui/pages.h"
#include "web/referral.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

class TestFarewell : public QObject {
  Q_OBJECT
 private:
  FrmFarewell* window = nullptr;
  UrlCatcher* catcher = nullptr;

  template <class T>
  T* Child(const char* name) {
    T* child = window->findChild<T*>(QString::fromLatin1(name));
    if (!child) qFatal("no control %s", name);
    return child;
  }
  QLineEdit* Box(const char* name) { return Child<QLineEdit>(name); }
  QPlainTextEdit* MessageBox() { return Child<QPlainTextEdit>("txtMessage"); }
  void Activate() {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
  }
  void FillGood() {
    Box("txtName")->setText(QStringLiteral("ANN"));
    Box("txtEmail")->setText(QStringLiteral("ann@example.com"));
    Box("txtFriendName")->setText(QStringLiteral("BOB"));
    Box("txtFriendEmail")->setText(QStringLiteral("bob@example.com"));
  }

 private slots:
  void initTestCase() { WireWindows(); }  // as start-up does
  void init() {
    Messages::StartRecording();
    catcher = new UrlCatcher;
    window = new FrmFarewell;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
  }
  void cleanup() {
    delete window;  // not closed: closing ends the program
    delete catcher;
    Messages::StopRecording();
    Windows::ResetForTests();
  }

  void checkBoxUnticksItselfAndOpensHome() {
    auto* check = Child<QCheckBox>("Check1");
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(!check->isChecked());
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(!check->isChecked());
    QCOMPARE(catcher->opened, (QStringList{PageAddress(Page::Home), PageAddress(Page::Home)}));
  }

  void placeholdersFollowTheFocus() {
    Activate();
    QLineEdit* name = Box("txtName");
    name->setFocus(Qt::MouseFocusReason);
    QCOMPARE(name->text(), QString());
    QTest::keyClicks(name, QStringLiteral("   "));
    Box("txtEmail")->setFocus(Qt::TabFocusReason);
    QCOMPARE(name->text(), Placeholder::Name);  // blanks only count as empty
    QCOMPARE(Box("txtEmail")->text(), QString());
    Box("txtFriendName")->setFocus(Qt::TabFocusReason);
    QCOMPARE(Box("txtEmail")->text(), Placeholder::Email);

    Box("txtFriendName")->setText(QStringLiteral("  Friend's Name  "));
    name->setFocus(Qt::TabFocusReason);
    Box("txtFriendName")->setFocus(Qt::TabFocusReason);
    QCOMPARE(Box("txtFriendName")->text(), QString());  // compared without the blanks
  }

  void untouchedMessageSurvivesTabbingButNotEmptying() {
    Activate();
    FillGood();
    Box("txtFriendName")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Box("txtFriendName"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), MessageBox());
    QCOMPARE(window->MessageText(), InitialMessage);  // its trimmed text is not the placeholder

    MessageBox()->clear();
    Box("txtName")->setFocus(Qt::TabFocusReason);
    QCOMPARE(window->MessageText(), Placeholder::Message);  // back without the line break

    QTest::mouseClick(Child<QPushButton>("cmdSubmit"), Qt::LeftButton);
    QCOMPARE(Messages::Recorded().size(), 1);
    QCOMPARE(Messages::Recorded().first().text, QStringLiteral("Please Enter Your Message"));
    QVERIFY(catcher->opened.isEmpty());
  }

  void spaceRefusedInEmailBoxes_data() {
    QTest::addColumn<QString>("box");
    QTest::addRow("own") << "txtEmail";
    QTest::addRow("friend's") << "txtFriendEmail";
  }
  void spaceRefusedInEmailBoxes() {
    QFETCH(QString, box);
    Activate();
    QLineEdit* email = Box(qPrintable(box));
    email->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(email, QStringLiteral("a b"));
    QCOMPARE(email->text(), QStringLiteral("ab"));
    QCOMPARE(Messages::Recorded().size(), 1);
    QCOMPARE(Messages::Recorded().first().text, QStringLiteral("Email Address Cannot Contain Space"));
    QCOMPARE(Messages::Recorded().first().icon, QMessageBox::Critical);
    QCOMPARE(QApplication::focusWidget(), email);

    // Pasted text is taken as it is.
    email->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("x y@z.w"));
    email->paste();
    QCOMPARE(email->text(), QStringLiteral("x y@z.w"));
    QCOMPARE(Messages::Recorded().size(), 1);
  }

  // A huge paste is cut at the box's limit instead of holding up the window.
  void hugePastesCut_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("limit");
    QTest::addRow("your name") << "txtName" << FrmFarewell::BoxLengthLimit;
    QTest::addRow("friend's email") << "txtFriendEmail" << FrmFarewell::BoxLengthLimit;
    QTest::addRow("message") << "txtMessage" << FrmFarewell::MessageLengthLimit;
  }
  void hugePastesCut() {
    QFETCH(QString, box);
    QFETCH(int, limit);
    const QString page = QStringLiteral("0123456789").repeated(1 << 20);
    QGuiApplication::clipboard()->setText(page);
    QWidget* target = window->findChild<QWidget*>(box);
    if (auto* line = qobject_cast<QLineEdit*>(target)) {
      line->clear();
      line->paste();
      QVERIFY(line->text() == page.left(limit));
    } else {
      MessageBox()->clear();
      MessageBox()->paste();
      QVERIFY(MessageBox()->toPlainText() == page.left(limit));
    }
  }

  void pageReceivesWhatWasTyped() {
    FillGood();
    Box("txtName")->setText(QStringLiteral("  Tom & Jerry=1#2 + 50% 😀  "));
    MessageBox()->setPlainText(QStringLiteral("Hi,\nsee you & bye"));
    QTest::mouseClick(Child<QPushButton>("cmdSubmit"), Qt::LeftButton);
    QVERIFY(Messages::Recorded().isEmpty());
    QCOMPARE(catcher->opened.size(), 1);
    const QUrlQuery query{QUrl(catcher->opened.first())};
    // The trimmed name; the message's line break as CR LF.
    QCOMPARE(query.queryItemValue("taf1", QUrl::FullyDecoded), QStringLiteral("Tom & Jerry=1#2 + 50% 😀"));
    QCOMPARE(query.queryItemValue("taf2", QUrl::FullyDecoded), QStringLiteral("ann@example.com"));
    QCOMPARE(query.queryItemValue("taf3", QUrl::FullyDecoded), QStringLiteral("Hi,\r\nsee you & bye"));
    QCOMPARE(query.queryItemValue("taf4", QUrl::FullyDecoded), QStringLiteral("BOB"));
    QCOMPARE(query.queryItemValue("taf5", QUrl::FullyDecoded), QStringLiteral("bob@example.com"));
    QCOMPARE(query.queryItemValue("taf6", QUrl::FullyDecoded), ProductHomeAddress());
  }

};

QTEST_MAIN(TestFarewell)
#include "tst_farewell.moc"
