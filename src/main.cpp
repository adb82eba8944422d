#include "app/messages.h"
#include "app/startup.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
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
