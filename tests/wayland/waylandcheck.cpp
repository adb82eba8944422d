// The program as a native Wayland client, under a real compositor (a
// headless weston with an 800x600 output; scripts/check-wayland.sh starts
// it). Where each window ends up is the compositor's choice, so each one is
// found in a screenshot of the output, by its own pixels.
#include "app/frmabout.h"
#include "app/frmmain.h"
#include "app/windows.h"
#include "app/wiring.h"
#include "report/frmdisplay.h"
#include "support/driven.h"
#include "support/guitest.h"
#include "support/urlcatcher.h"
#include "ui/messages.h"
#include "ui/window.h"
#include "web/frmfarewell.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

// weston's panel along the top of the output.
constexpr int PanelHeight = 32;

// The whole output as the compositor shows it. weston-screenshooter can spin
// for ever when the compositor does not answer, hence the time limit.
QImage Screenshot() {
  QTemporaryDir folder;
  QProcess shooter;
  shooter.setWorkingDirectory(folder.path());
  shooter.start(QStringLiteral("timeout"), {QStringLiteral("10"), QStringLiteral("weston-screenshooter")});
  if (!shooter.waitForFinished(15000) || shooter.exitCode() != 0) return QImage();
  const QStringList shots = QDir(folder.path()).entryList({QStringLiteral("*.png")});
  if (shots.isEmpty()) return QImage();
  return QImage(folder.filePath(shots.first())).convertToFormat(QImage::Format_RGB32);
}

// Where the window's client area shows, pixel for pixel, in the shot.
std::optional<QPoint> Find(const QImage& shot, const QImage& window) {
  const int w = window.width();
  const int h = window.height();
  for (int y = 0; y + h <= shot.height(); ++y) {
    for (int x = 0; x + w <= shot.width(); ++x) {
      bool same = true;
      for (int row = 0; same && row < h; row += (row == 0 ? 1 : 7))
        same = memcmp(shot.constScanLine(y + row) + x * 4, window.constScanLine(row), static_cast<size_t>(w) * 4) == 0;
      if (same) return QPoint(x, y);
    }
  }
  return std::nullopt;
}

// The window shows whole, title bar included, inside the output and below the panel.
void CheckWhollyShown(QWidget* window) {
  QVERIFY(QTest::qWaitForWindowExposed(window));
  QTest::qWait(300);  // the compositor's next frame
  const QImage shot = Screenshot();
  QVERIFY2(!shot.isNull(), "no screenshot from weston-screenshooter");
  const QImage own = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const std::optional<QPoint> at = Find(shot, own);
  if (!at) shot.save(QDir::temp().filePath(window->objectName() + QStringLiteral("-wayland.png")));
  QVERIFY2(at.has_value(), qPrintable(window->objectName() + QStringLiteral(" not wholly shown on the output")));
  const int titleBar = window->geometry().top() - window->frameGeometry().top();
  const QRect frame(at->x(), at->y() - titleBar, own.width(), own.height() + titleBar);
  const QRect room(0, PanelHeight, shot.width(), shot.height() - PanelHeight);
  QVERIFY2(room.contains(frame), qPrintable(QStringLiteral("%1 at %2,%3 %4x%5")
                                                .arg(window->objectName())
                                                .arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())));
}

// Another program's window, opened after this one: maximised, in a colour
// of its own, until it is ended.
int Cover(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget cover;
  cover.setWindowTitle(QStringLiteral("cover"));
  QPalette palette = cover.palette();
  palette.setColor(QPalette::Window, QColor(255, 0, 255));
  cover.setPalette(palette);
  cover.setAutoFillBackground(true);
  cover.showMaximized();
  if (!QTest::qWaitForWindowExposed(&cover)) return 1;
  std::puts("covering");
  std::fflush(stdout);
  return QApplication::exec();
}

}  // namespace

class WaylandCheck : public QObject {
  Q_OBJECT
  std::unique_ptr<UrlCatcher> urls;
  QProcess cover;

 private slots:
  void initTestCase() {
    QVERIFY2(OnWaylandNatively(), qPrintable(QGuiApplication::platformName()));
    QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(800, 600));
    urls = std::make_unique<UrlCatcher>();
    WireWindows();
    Windows::ShowMain();
  }
  void cleanupTestCase() {
    cover.kill();
    cover.waitForFinished();
  }

  void mainRoad() {
    FrmMain* input = Windows::MainIfLoaded();
    QVERIFY(input);
    CheckWhollyShown(input);
    EnterPeople(input, {"ann", 1, 9, 1980}, {"bob", 10, 10, 1975});
    QTest::mouseClick(Child<QPushButton>(input, "Command1"), Qt::LeftButton);
    FrmDisplay* report = Windows::ReportIfLoaded();
    QVERIFY(report);
    QVERIFY(!input->isVisible());
    // Taller than the output: shrunk to fit, its content scrolling.
    CheckWhollyShown(report);
  }

  void back() {
    FrmDisplay* report = Windows::ReportIfLoaded();
    QVERIFY(report);
    QTest::mouseClick(Child<QPushButton>(report, "cmdBack"), Qt::LeftButton);
    FrmMain* input = Windows::MainIfLoaded();
    QTRY_VERIFY(input->isVisible());
    QTRY_VERIFY(Windows::ReportIfLoaded() == nullptr);
    FrmFarewell* farewell = Windows::FarewellIfLoaded();
    QVERIFY(farewell == nullptr || !farewell->isVisible());
    CheckWhollyShown(input);
  }

  void aboutBoxOverItsWindow() {
    FrmMain* input = Windows::MainIfLoaded();
    QVERIFY(QTest::qWaitForWindowExposed(input));
    bool checked = false;
    QTimer::singleShot(0, this, [&] {
      FrmAbout* about = Windows::AboutIfLoaded();
      if (about != nullptr) {
        CheckWhollyShown(about);
        checked = about->windowHandle() != nullptr && about->windowHandle()->transientParent() == input->windowHandle();
        about->accept();
      }
    });
    Windows::ShowAbout();
    QVERIFY2(checked, "the about box was not shown over the main window");
  }

  // A copy of the program started as a user would, then a second one; the
  // preloaded driver reports their message boxes and main windows.
  void secondCopyRefused() {
    const QProcessEnvironment environment = DrivenEnvironment();
    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(qEnvironmentVariable("SCARABINE_EXE"), {});
    QByteArray firstSaid;
    QTRY_VERIFY_WITH_TIMEOUT((firstSaid += first.readAllStandardError()).contains("shown: frmMain"), 20000);
    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(qEnvironmentVariable("SCARABINE_EXE"), {});
    QVERIFY(second.waitForFinished(30000));
    const QString said = QString::fromUtf8(second.readAllStandardError());
    QVERIFY2(said.contains(QStringLiteral("message: Application is already running")), qPrintable(said));
    QVERIFY2(!said.contains(QStringLiteral("shown: frmMain")), qPrintable(said));
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();
  }

  // A window opened after the program covers it; the farewell window the
  // exit brings up comes out in front of it.
  void farewellAboveALaterWindow() {
    cover.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--cover")});
    QVERIFY(cover.waitForReadyRead(20000));
    QTest::qWait(300);
    const QImage covered = Screenshot();
    QVERIFY(!covered.isNull());
    QCOMPARE(covered.pixelColor(covered.width() / 2, covered.height() / 2), QColor(255, 0, 255));
    Windows::MainIfLoaded()->close();
    FrmFarewell* farewell = Windows::FarewellIfLoaded();
    QVERIFY(farewell && farewell->isVisible());
    // Found whole in the shot: in front of the later window. (Whether it
    // was activated is the compositor's to say; a headless weston has no
    // seat to give the keyboard to.)
    CheckWhollyShown(farewell);
  }
};

int main(int argc, char** argv) {
  if (argc > 1 && qstrcmp(argv[1], "--cover") == 0) return Cover(argc, argv);
  QApplication app(argc, argv);
  WaylandCheck check;
  return QTest::qExec(&check, argc, argv);
}

#include "waylandcheck.moc"
