#include "app/frmabout.h"
#include "app/windows.h"
#include "app/wiring.h"
#include "support/urlcatcher.h"
#include "ui/pages.h"

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
    Windows::ShowAbout();  // returns only when the box is closed
    QVERIFY(ran);
    QVERIFY2(!leftOpen, "the box did not close");
    QVERIFY(!Windows::AboutIfLoaded());
  }

 private slots:
  void initTestCase() { WireWindows(); }  // as start-up does
  void init() { catcher = new UrlCatcher; }
  void cleanup() {
    delete catcher;
    // A failed check inside may leave the box open.
    delete Windows::AboutIfLoaded();
  }

  void closes_data() {
    QTest::addColumn<int>("how");
    QTest::addRow("Enter") << 0;
    QTest::addRow("Escape") << 1;
    QTest::addRow("click OK") << 2;
  }
  void closes() {
    QFETCH(int, how);
    WhileOpen([how](FrmAbout* box) {
      QCOMPARE(QApplication::focusWidget(), box->findChild<QWidget*>("cmdOK"));
      switch (how) {
        case 0: QTest::keyClick(box, Qt::Key_Return); break;
        case 1: QTest::keyClick(box, Qt::Key_Escape); break;
        default: QTest::mouseClick(box->findChild<QPushButton*>("cmdOK"), Qt::LeftButton); break;
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

};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
