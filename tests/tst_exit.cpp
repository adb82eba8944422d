#include "app/exit.h"
#include "ui/messages.h"
#include "app/windows.h"
#include "app/wiring.h"
#include "support/urlcatcher.h"
#include "web/frmfarewell.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {
// Stands in for the main and report windows: a working window whose unload
// runs the exit sequence.
class WorkingWindow : public QWidget {
 public:
  explicit WorkingWindow(const QString& name, bool refuseClose = false) : refuse(refuseClose) {
    setObjectName(name);
    setWindowTitle(name);
    setAttribute(Qt::WA_DeleteOnClose);
    Windows::AddLoaded(this);
    resize(200, 100);
  }

 protected:
  void closeEvent(QCloseEvent* event) override {
    BeginExit(this);
    if (refuse) event->ignore(); else event->accept();
  }

 private:
  bool refuse;
};

// Watches every window: the order they are closed in, and any shown once
// shutdown has begun.
class WindowWatcher : public QObject {
 public:
  QStringList closed;
  QStringList shownAfterShutdown;
  int farewellShows = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !widget->isWindow()) return false;
    if (event->type() == QEvent::Close && !closed.contains(widget->objectName())) closed.append(widget->objectName());
    if (event->type() == QEvent::Show) {
      if (Windows::ShutdownBegun()) shownAfterShutdown.append(widget->objectName());
      if (widget->objectName() == QLatin1String("frmFarewell")) ++farewellShows;
    }
    return false;
  }
};

void DeleteClosed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
}  // namespace

class TestExit : public QObject {
  Q_OBJECT
 private:
  WindowWatcher* watcher = nullptr;
  UrlCatcher* catcher = nullptr;
  QPointer<WorkingWindow> main;
  QPointer<WorkingWindow> display;

  FrmFarewell* Farewell() { return Windows::FarewellIfLoaded(); }
  bool FarewellVisible() { return Farewell() && Farewell()->isVisible(); }
  // The report window is up; the main window stays loaded but hidden.
  void ShowReport() {
    display = new WorkingWindow(QStringLiteral("frmDisplay"));
    display->show();
    main->hide();
  }

 private slots:
  void initTestCase() { WireWindows(); }  // as start-up does
  void init() {
    Messages::StartRecording();
    catcher = new UrlCatcher;
    watcher = new WindowWatcher;
    qApp->installEventFilter(watcher);
    main = new WorkingWindow(QStringLiteral("frmMain"));
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
  }
  void cleanup() {
    qApp->removeEventFilter(watcher);
    delete watcher;
    for (QWidget* window : Windows::InLoadOrder()) delete window;
    DeleteClosed();
    Windows::ResetForTests();
    delete catcher;
    QVERIFY(Messages::Recorded().isEmpty());  // nothing is ever reported on this path
    Messages::StopRecording();
  }

  // Leaving a working window brings the farewell up once; behind the report
  // window the main window stays loaded but hidden.
  void leavingAWorkingWindow_data() {
    QTest::addColumn<bool>("fromReport");
    QTest::addColumn<int>("how");  // 0 close(), 1 close box, 2 BeginExit by the window's Exit menu
    QTest::addRow("main, menu Exit") << false << 0;
    QTest::addRow("main, close box") << false << 1;
    QTest::addRow("report, Exit button") << true << 0;
    QTest::addRow("report, close box") << true << 1;
    QTest::addRow("report, Exit menu calls BeginExit itself") << true << 2;
  }
  void leavingAWorkingWindow() {
    QFETCH(bool, fromReport);
    QFETCH(int, how);
    if (fromReport) ShowReport();
    QPointer<WorkingWindow> leaving = fromReport ? display : main;
    const QString name = leaving->objectName();
    if (how == 0) leaving->close();
    if (how == 1) leaving->windowHandle()->close();
    if (how == 2) BeginExit(leaving);
    DeleteClosed();
    QVERIFY(leaving.isNull());
    QVERIFY(FarewellVisible());
    QVERIFY(!Windows::ShutdownBegun());
    QCOMPARE(watcher->farewellShows, 1);  // once, even when BeginExit ran twice
    QCOMPARE(watcher->closed, QStringList{name});
    if (fromReport) QVERIFY(main && !main->isVisible());
  }

  void backLeavesOnlyMainVisible() {
    ShowReport();
    // What Back does: main window up, report window unloaded, farewell hidden again.
    main->show();
    display->close();
    HideFarewell();
    DeleteClosed();
    QVERIFY(display.isNull());
    QVERIFY(main->isVisible());
    QVERIFY(Farewell());
    QVERIFY(!Farewell()->isVisible());
    // The farewell comes back when the main window is closed later.
    main->close();
    QVERIFY(FarewellVisible());
  }

  void farewellEndsTheProgram_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::addRow("Exit button") << false;
    QTest::addRow("close box") << true;
  }
  void farewellEndsTheProgram() {
    QFETCH(bool, closeBox);
    ShowReport();
    bool stillRunning = false;
    QTimer::singleShot(0, this, [this] { display->close(); });
    QTimer::singleShot(0, this, [&, this] {
      // The working window is gone, the farewell is up and the loop still runs.
      stillRunning = FarewellVisible();
      if (closeBox)
        Farewell()->windowHandle()->close();
      else
        QTest::mouseClick(Farewell()->findChild<QPushButton*>(QStringLiteral("cmdClose")), Qt::LeftButton);
    });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(stillRunning);
    QVERIFY(Windows::ShutdownBegun());
    // Unloaded in load order (the close box starts with the farewell's own
    // unload); the hidden main window's unload showed nothing.
    if (closeBox)
      QCOMPARE(watcher->closed, (QStringList{"frmDisplay", "frmFarewell", "frmMain"}));
    else
      QCOMPARE(watcher->closed, (QStringList{"frmDisplay", "frmMain", "frmFarewell"}));
    QCOMPARE(watcher->shownAfterShutdown, QStringList());
    QCOMPARE(watcher->farewellShows, 1);
    DeleteClosed();
    QCOMPARE(Windows::InLoadOrder(), QList<QWidget*>());
  }

  void shutdownClosesEveryWindowEvenARefusingOne() {
    auto* stubborn = new WorkingWindow(QStringLiteral("frmStubborn"), true);
    stubborn->show();
    auto* last = new WorkingWindow(QStringLiteral("frmLast"));
    last->show();
    QTimer::singleShot(0, this, [] { CloseAllAndEnd(); });
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(watcher->closed, (QStringList{"frmMain", "frmStubborn", "frmLast"}));
    QCOMPARE(watcher->shownAfterShutdown, QStringList());
    QVERIFY(!Farewell());  // never created once shutdown had begun
    DeleteClosed();
    QCOMPARE(Windows::InLoadOrder(), QList<QWidget*>());
  }

  // Last: ending before the event loop runs leaves the application told to quit.
  void endingBeforeTheEventLoop() {
    CloseAllAndEnd();
    QVERIFY(Windows::ShutdownBegun());
    BeginExit(nullptr);
    QVERIFY(!Farewell());
    DeleteClosed();
    QVERIFY(main.isNull());
    QCOMPARE(watcher->shownAfterShutdown, QStringList());
  }
};

QTEST_MAIN(TestExit)
#include "tst_exit.moc"
