#include "app/look.h"
#include "app/messages.h"
#include "app/windows.h"
#include "support/urlcatcher.h"
#include "web/frmfarewell.h"
#include "web/pages.h"
#include "web/referral.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
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
    LoadedWindows::ResetForTests();
  }

  void windowLooksAsDesigned() {
    QCOMPARE(window->objectName(), QStringLiteral("frmFarewell"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Scarabine v1.15"));
    QCOMPARE(window->size(), QSize(Twips(11115), Twips(4725)));
    QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(window->testAttribute(Qt::WA_ShowWithoutActivating));
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
    for (const char* name : {"cmdClose", "Check1", "picFarewellIcon", "lblFarewellCaption", "Label2", "Frame2",
                             "cmdSubmit", "Frame6", "Label3", "lblGoToHome"})
      QVERIFY2(window->findChild<QWidget*>(QString::fromLatin1(name)), name);
    for (const char* name : {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail", "txtMessage", "cmdSubmit"})
      QCOMPARE(window->findChild<QWidget*>(QString::fromLatin1(name))->parentWidget()->objectName(),
               QStringLiteral("Frame2"));
    // The message box lies below its frame's bottom edge: never seen.
    QVERIFY(MessageBox()->geometry().top() >= Child<QGroupBox>("Frame2")->height());
    QCOMPARE(MessageBox()->toPlainText(), QStringLiteral("Your Message\n"));
    QCOMPARE(window->MessageText(), InitialMessage);
  }

  void everyTextFits() {
    auto fits = [](QWidget* w, const QSize& hint, bool wraps, int wrappedHeight) {
      const bool ok = wraps ? wrappedHeight <= w->height() : hint.width() <= w->width() && hint.height() <= w->height();
      if (!ok) qWarning("%s does not fit", qPrintable(w->objectName()));
      return ok;
    };
    auto* promotion = Child<QLabel>("Label2");
    for (int i = 0; i < FrmFarewell::PromotionCount; ++i) {
      promotion->setText(FrmFarewell::PromotionText(i));
      QVERIFY(fits(promotion, {}, true, promotion->heightForWidth(promotion->width())));
    }
    for (QLabel* label : window->findChildren<QLabel*>()) {
      if (label->text().isEmpty()) continue;
      QVERIFY(fits(label, label->sizeHint(), label->wordWrap(), label->heightForWidth(label->width())));
    }
    // Buttons: the caption itself, with room for the frame or the tick box.
    for (const char* name : {"Check1", "cmdClose", "cmdSubmit"}) {
      auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(name));
      const QFontMetrics metrics(button->font());
      const QSize text(metrics.horizontalAdvance(QString(button->text()).remove(u'&')) + 24, metrics.height());
      QVERIFY(fits(button, text, false, 0));
    }
  }

  void texts() {
    const QString advert = Child<QLabel>("Label3")->text();
    QCOMPARE(advert.size(), 615);
    QVERIFY(advert.startsWith(QStringLiteral("If you have enjoyed this software you will surely be interested")));
    QVERIFY(advert.contains(QString(20, u' ')));

    const QList<int> lengths{227, 211, 160, 196};
    QStringList promotions;
    for (int i = 0; i < FrmFarewell::PromotionCount; ++i) {
      promotions.append(FrmFarewell::PromotionText(i));
      QCOMPARE(promotions.last().size(), lengths.at(i));
    }
    QVERIFY(promotions.first().startsWith(
        QStringLiteral("Orlenda Softwares, such as this can be created and maintained only with your support.")));
    QVERIFY(promotions.contains(Child<QLabel>("Label2")->text()));

    QCOMPARE(FrmFarewell::PromotionIndex(0.0), 0);
    QCOMPARE(FrmFarewell::PromotionIndex(0.2499), 0);
    QCOMPARE(FrmFarewell::PromotionIndex(0.25), 1);
    QCOMPARE(FrmFarewell::PromotionIndex(0.74), 2);
    QCOMPARE(FrmFarewell::PromotionIndex(0.9999999), 3);
  }

  void checkBoxUnticksItselfAndOpensHome() {
    auto* check = Child<QCheckBox>("Check1");
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(!check->isChecked());
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(!check->isChecked());
    QCOMPARE(catcher->opened, (QStringList{PageAddress(Page::Home), PageAddress(Page::Home)}));
  }

  void goToHomeOpensOrlendaSoftwares() {
    QTest::mouseClick(Child<QLabel>("lblGoToHome"), Qt::LeftButton);
    QCOMPARE(catcher->opened, QStringList{PageAddress(Page::OrlendaSoftwares)});
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

  void spaceAllowedInNameBox() {
    Activate();
    Box("txtName")->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(Box("txtName"), QStringLiteral("a b"));
    QCOMPARE(Box("txtName")->text(), QStringLiteral("a b"));
    QVERIFY(Messages::Recorded().isEmpty());
  }

  void untouchedFormAsksForProperAddress() {
    QTest::mouseClick(Child<QPushButton>("cmdSubmit"), Qt::LeftButton);
    QCOMPARE(Messages::Recorded().size(), 1);
    QCOMPARE(Messages::Recorded().first().text, QStringLiteral("Please Enter Proper Email Address"));
    QCOMPARE(Messages::Recorded().first().icon, QMessageBox::Critical);
    QCOMPARE(Box("txtName")->text(), Placeholder::Name);
    QCOMPARE(Box("txtEmail")->text(), Placeholder::Email);
    QVERIFY(catcher->opened.isEmpty());
  }

  void pageReceivesWhatWasTyped() {
    FillGood();
    Box("txtName")->setText(QStringLiteral("  Tom & Jerry=1#2 + 50% 😀  "));
    MessageBox()->setPlainText(QStringLiteral("Hi,\nsee you & bye"));
    QTest::mouseClick(Child<QPushButton>("cmdSubmit"), Qt::LeftButton);
    QVERIFY(Messages::Recorded().isEmpty());
    QCOMPARE(catcher->opened.size(), 1);
    const QUrlQuery query{QUrl(catcher->opened.first())};
    QCOMPARE(query.queryItemValue("taf1", QUrl::FullyDecoded), QStringLiteral("Tom & Jerry=1#2 + 50% 😀"));
    QCOMPARE(query.queryItemValue("taf2", QUrl::FullyDecoded), QStringLiteral("ann@example.com"));
    QCOMPARE(query.queryItemValue("taf3", QUrl::FullyDecoded), QStringLiteral("Hi,\r\nsee you & bye"));
    QCOMPARE(query.queryItemValue("taf4", QUrl::FullyDecoded), QStringLiteral("BOB"));
    QCOMPARE(query.queryItemValue("taf5", QUrl::FullyDecoded), QStringLiteral("bob@example.com"));
    QCOMPARE(query.queryItemValue("taf6", QUrl::FullyDecoded), ProductHomeAddress());
  }

  void untouchedMessageIsSent() {
    FillGood();
    QTest::mouseClick(Child<QPushButton>("cmdSubmit"), Qt::LeftButton);
    QCOMPARE(catcher->opened.size(), 1);
    QCOMPARE(QUrlQuery(QUrl(catcher->opened.first())).queryItemValue("taf3", QUrl::FullyDecoded),
             QStringLiteral("Your Message\r\n"));
  }
};

QTEST_MAIN(TestFarewell)
#include "tst_farewell.moc"
