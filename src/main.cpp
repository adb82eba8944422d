#include "app/commandline.h"
#include "app/startup.h"
#include "ui/look.h"
#include "ui/program.h"
#include "ui/translation.h"
#include "version.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
  QCoreApplication::setApplicationVersion(QString::fromLatin1(ScarabineVersion));
  if (AsksOnlyForText(argc, argv)) {
    QCoreApplication app(argc, argv);
    return AnswerCommandLine(QCoreApplication::arguments()).value_or(0);
  }
  PlatformChoice platform;
  QApplication app(argc, argv);
  platform.Forget();
  // The language first: the window look's fonts are the language's.
  InstallTranslators(QLocale::system());
  InstallWindowLook();
  // Wayland compositors match the window to its launcher by this name.
  QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopFileName));
  if (const std::optional<int> status = AnswerCommandLine(QCoreApplication::arguments())) return *status;
  return RunProgram();
}
