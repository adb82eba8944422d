// The date lists build their drop-downs only when opened, and what they
// build then looks exactly as it would have if built up front.
#include "app/frmmain.h"
#include "ui/messages.h"
#include "app/windows.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

class TestDropLists : public QObject {
  Q_OBJECT
  FrmMain* form = nullptr;

  static const inline QStringList Lists{"cmbDate",        "cmbMonth",        "cmbYear",
                                        "cmbPartnerDate", "cmbPartnerMonth", "cmbPartnerYear"};

 private slots:
  void init() {
    Messages::StartRecording();
    Windows::ResetForTests();
    form = Windows::Main();
  }
  void cleanup() {
    delete Windows::MainIfLoaded();
    form = nullptr;
    Messages::StopRecording();
  }

  void notBuiltBeforeUse() {
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    for (const QString& name : Lists) {
      auto* list = form->findChild<QComboBox*>(name);
      QVERIFY2(list, qPrintable(name));
      QVERIFY2(list->findChildren<QAbstractItemView*>().isEmpty(), qPrintable(name));
    }
  }

  void builtInTheListsLook() {
    for (const QString& name : Lists) {
      auto* list = form->findChild<QComboBox*>(name);
      // A reference box given the same font and colours the ordinary way,
      // which builds its drop-down at once.
      QComboBox reference;
      reference.setFont(list->font());
      reference.setPalette(list->palette());
      const QAbstractItemView* built = list->view();
      QCOMPARE(built->font(), reference.view()->font());
      QVERIFY2(!built->font().bold(), qPrintable(name));
      for (auto role : {QPalette::Base, QPalette::Text, QPalette::Window, QPalette::WindowText})
        QCOMPARE(built->palette().color(role), reference.view()->palette().color(role));
      QCOMPARE(built->model()->rowCount(), list->count());
    }
  }

  void opensAndPicks() {
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    auto* year = form->findChild<QComboBox*>(QStringLiteral("cmbYear"));
    year->showPopup();
    QTRY_VERIFY(year->view()->isVisible());
    year->view()->setCurrentIndex(year->model()->index(80, 0));
    QTest::keyClick(year->view(), Qt::Key_Return);
    QTRY_VERIFY(!year->view()->isVisible());
    QCOMPARE(year->currentText(), QStringLiteral("1980"));
  }
};

QTEST_MAIN(TestDropLists)
#include "tst_droplists.moc"
