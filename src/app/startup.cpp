#include "app/startup.h"

bool RunStartup() {
  ShowMainWindow();
  return true;
}
