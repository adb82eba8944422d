#include "ui/messages.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>

// Linked only into the copy of the program that whole-program tests start:
// message boxes are answered with their first button and written to stderr
// instead of waiting for a user, and so is the main window's showing.
namespace {

void ReportMessages() {
  for (const auto& shown : Messages::Recorded()) std::fprintf(stderr, "message: %s\n", qUtf8Printable(shown.text));
  Messages::ClearRecorded();
}

void ReportStart() {
  ReportMessages();
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == QLatin1String("frmMain") && window->isVisible()) std::fputs("shown: frmMain\n", stderr);
  }
}

void ScriptMessages() {
  // A command line that only asks for text shows no box.
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return;
  Messages::StartRecording();
  // Start-up has run by the event loop's first turn; a refused start has no
  // event loop and ends with the application object.
  QTimer::singleShot(0, ReportStart);
  qAddPostRoutine(ReportMessages);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(ScriptMessages)
