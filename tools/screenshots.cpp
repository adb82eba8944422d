// Grabs every window in the state a user sees it into <folder>/<window>-<scale>x.png:
// the main window with both persons entered, the report window's three tabs
// after a real compute, the about box and the farewell window. The scale is
// the screen's device pixel ratio (run it with QT_SCALE_FACTOR=1 and 2). In a
// translated language (the system locale's, as the program picks it) the
// names begin with the language: de-main-1x.png.
#include "app/compute.h"
#include "app/frmabout.h"
#include "app/frmmain.h"
#include "ui/messages.h"
#include "app/windows.h"
#include "app/wiring.h"
#include "report/frmdisplay.h"
#include "support/child.h"
#include "ui/look.h"
#include "ui/translation.h"
#include "web/frmfarewell.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>

#include <cstdio>

namespace {

// Nothing the windows do may reach a browser while they are photographed.
class UrlSink : public QObject {
  Q_OBJECT
 public slots:
  void handle(const QUrl& url) { std::fprintf(stderr, "not opened: %s\n", qPrintable(url.toString())); }
};

class Camera {
 public:
  explicit Camera(const QString& folder) : folder_(folder) {
    scale_ = QString::number(qApp->devicePixelRatio()) + QLatin1Char('x');
  }

  bool Take(QWidget* window, const QString& name) {
    window->show();
    window->raise();
    // Lets the window lay itself out and settle on the screen before the grab.
    for (int i = 0; i < 10; ++i) QApplication::processEvents();
    const QString language = ProgramLanguage().isEmpty() ? QString() : ProgramLanguage() + QLatin1Char('-');
    const QString path = QDir(folder_).filePath(QStringLiteral("%1%2-%3.png").arg(language, name, scale_));
    // The whole client area with the menu bar; the frame is the desktop's.
    if (!window->grab().save(path)) {
      std::fprintf(stderr, "could not write %s\n", qPrintable(path));
      return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
  }

 private:
  QString folder_;
  QString scale_;
};

void Enter(FrmMain* input) {
  // As the key filter leaves typed names: in capitals.
  // Names a reader of the language would type.
  const bool arabic = ProgramLanguage() == u"ar";
  Child<QLineEdit>(input, "txtName")->setText(arabic ? QStringLiteral("ليلى حسن") : QStringLiteral("ANN LEE"));
  Child<QLineEdit>(input, "txtPartnerName")
      ->setText(arabic ? QStringLiteral("عمر خالد") : QStringLiteral("BOB SMITH"));
  Child<QComboBox>(input, "cmbDate")->setCurrentIndex(19);  // 20 July 1980: Bastet
  Child<QComboBox>(input, "cmbMonth")->setCurrentIndex(6);
  Child<QComboBox>(input, "cmbYear")->setCurrentText(QStringLiteral("1980"));
  Child<QComboBox>(input, "cmbPartnerDate")->setCurrentIndex(27);  // 28 September 1978: Seth
  Child<QComboBox>(input, "cmbPartnerMonth")->setCurrentIndex(8);
  Child<QComboBox>(input, "cmbPartnerYear")->setCurrentText(QStringLiteral("1978"));
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  InstallTranslators(QLocale::system());
  InstallWindowLook();
  const QStringList args = QApplication::arguments();
  const QString folder = args.size() > 1 ? args.at(1) : QStringLiteral("docs/screenshots");
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
    return 1;
  }
  // Any message box would be a fault here: recorded, answered, reported.
  Messages::StartRecording();
  UrlSink sink;
  QDesktopServices::setUrlHandler(QStringLiteral("http"), &sink, "handle");
  QDesktopServices::setUrlHandler(QStringLiteral("https"), &sink, "handle");

  Camera camera(folder);
  bool ok = true;

  WireWindows();  // as start-up does
  Windows::ShowMain();
  FrmMain* input = Windows::MainIfLoaded();
  Enter(input);
  ok &= camera.Take(input, QStringLiteral("main"));

  Child<QPushButton>(input, "Command1")->click();
  FrmDisplay* report = Windows::ReportIfLoaded();
  if (report == nullptr) {
    std::fprintf(stderr, "the compute showed no report\n");
    return 1;
  }
  const char* tabs[] = {"report-user", "report-partner", "report-summary"};
  for (int tab = 0; tab < 3; ++tab) {
    Child<QTabWidget>(report, "tabSelect")->setCurrentIndex(tab);
    ok &= camera.Take(report, QString::fromLatin1(tabs[tab]));
  }

  {
    FrmAbout about;
    ok &= camera.Take(&about, QStringLiteral("about"));
  }

  auto* farewell = new FrmFarewell;
  // The first promotion always, so the pictures change only when the window does.
  farewell->findChild<QLabel*>(QStringLiteral("Label2"))->setText(FrmFarewell::PromotionText(0));
  ok &= camera.Take(farewell, QStringLiteral("farewell"));

  for (const auto& box : Messages::Recorded()) {
    std::fprintf(stderr, "unexpected message: %s\n", qPrintable(box.text));
    ok = false;
  }
  QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
  QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
  delete farewell;
  delete report;
  delete input;
  return ok ? 0 : 1;
}

#include "screenshots.moc"
