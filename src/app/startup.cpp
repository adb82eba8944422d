#include "app/startup.h"

#include "app/exit.h"
#include "app/instance.h"
#include "app/messages.h"
#include "web/reminder.h"

#include <QApplication>

#include <cstdio>

bool RunStartup() {
  if (!AcquireInstanceLock()) {
    // The running copy is left alone: not raised, not told.
    Messages::Information(nullptr, QStringLiteral("Application is already running"));
    CloseAllAndEnd();
    return false;
  }
  RemindAboutUpdate();
  ShowMainWindow();
  return true;
}

int RunProgram() {
  // Test seam for whole-program tests: message boxes are answered with their
  // first button and written to stderr instead of waiting for a user.
  const bool scriptedMessages = qEnvironmentVariableIsSet("SCARABINE_SCRIPTED_MESSAGES");
  if (scriptedMessages) Messages::StartRecording();
  const bool running = RunStartup();
  if (scriptedMessages) {
    for (const auto& shown : Messages::Recorded())
      std::fprintf(stderr, "message: %s\n", qUtf8Printable(shown.text));
  }
  const int status = running ? QApplication::exec() : 0;
  // Windows closed on the way out are deleted later; let that happen now.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return status;
}
