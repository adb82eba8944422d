#include "app/startup.h"

bool RunStartup() { return true; }
