#include "app/startup.h"

// Stands in until the main window exists.
void ShowMainWindow() {}
