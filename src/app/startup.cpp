#include "app/startup.h"

#include "app/exit.h"
#include "app/instance.h"
#include "app/messages.h"
#include "web/reminder.h"

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
