#include "app/about.h"
#include "app/frmabout.h"
#include "app/look.h"
#include "app/windows.h"
#include "support/urlcatcher.h"
#include "web/pages.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

class TestAbout : public QObject {
  Q_OBJECT
 private:
  UrlCatcher* catcher = nullptr;

  // Runs the real modal box; `inside` acts on it while it is open and must close it.
  void WhileOpen(const std::function<void(FrmAbout*)>& inside) {
    bool ran = false;
    bool leftOpen = false;
    QTimer::singleShot(0, this, [&] {
      QPointer<FrmAbout> box = qobject_cast<FrmAbout*>(QApplication::activeModalWidget());
      if (box && QTest::qWaitForWindowActive(box)) {
        ran = true;
        inside(box);
      }
      leftOpen = box && box->isVisible();
      if (leftOpen) box->reject();  // never leave the test waiting
    });
    ShowAboutBox();  // returns only when the box is closed
    QVERIFY(ran);
    QVERIFY2(!leftOpen, "the box did not close");
    QVERIFY(!SharedWindow<FrmAbout>::IfLoaded());
  }

 private slots:
  void init() { catcher = new UrlCatcher; }
  void cleanup() {
    delete catcher;
    // A failed check inside may leave the box open.
    delete SharedWindow<FrmAbout>::IfLoaded();
  }

  void layout() {
    FrmAbout box;
    QCOMPARE(box.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(box.windowTitle(), QStringLiteral("Scarabine v1.15"));
    QCOMPARE(box.size(), QSize(Twips(6030), Twips(4080)));
    QVERIFY(box.isModal());
    auto* ok = box.findChild<QPushButton*>("cmdOK");
    QVERIFY(ok->isDefault());

    // Every text fits its label with the substitute font.
    for (QLabel* label : box.findChildren<QLabel*>()) {
      if (label->text().isEmpty()) continue;
      const int needed = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
      QVERIFY2(needed <= label->height(), qPrintable(label->objectName()));
      QVERIFY2(label->wordWrap() || label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
      QVERIFY2(label->geometry().bottom() < box.height(), qPrintable(label->objectName()));
    }
  }

  void closes_data() {
    QTest::addColumn<int>("how");
    QTest::addRow("Enter") << 0;
    QTest::addRow("Escape") << 1;
    QTest::addRow("click OK") << 2;
    QTest::addRow("close box") << 3;
  }
  void closes() {
    QFETCH(int, how);
    WhileOpen([how](FrmAbout* box) {
      QCOMPARE(QApplication::focusWidget(), box->findChild<QWidget*>("cmdOK"));
      switch (how) {
        case 0: QTest::keyClick(box, Qt::Key_Return); break;
        case 1: QTest::keyClick(box, Qt::Key_Escape); break;
        case 2: QTest::mouseClick(box->findChild<QPushButton*>("cmdOK"), Qt::LeftButton); break;
        default: box->windowHandle()->close(); break;
      }
    });
  }

  void linksOpenPagesAndStayOpen() {
    WhileOpen([this](FrmAbout* box) {
      QTest::mouseClick(box->findChild<QLabel*>("lblHomePage"), Qt::LeftButton);
      QTest::mouseClick(box->findChild<QLabel*>("lblCobrand"), Qt::LeftButton);
      QCOMPARE(catcher->opened, (QStringList{PageAddress(Page::Home), PageAddress(Page::FullyBranded)}));
      QVERIFY(box->isVisible());
      QCOMPARE(QApplication::activeModalWidget(), box);
      QTest::keyClick(box, Qt::Key_Escape);
    });
  }

  void callerBlockedWhileOpen() {
    QWidget caller;
    caller.show();
    QVERIFY(QTest::qWaitForWindowExposed(&caller));
    WhileOpen([&caller](FrmAbout* box) {
      QVERIFY(QApplication::activeModalWidget() == box);
      QVERIFY(caller.isVisible());
      QVERIFY(!caller.isActiveWindow());
      QTest::keyClick(box, Qt::Key_Return);
    });
    QVERIFY(caller.isVisible());
  }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
