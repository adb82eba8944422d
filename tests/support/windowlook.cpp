#include "ui/look.h"

#include <QCoreApplication>

// Every test program draws its windows as the program does, where main()
// installs the look.
Q_COREAPP_STARTUP_FUNCTION(InstallWindowLook)
