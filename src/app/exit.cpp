#include "app/exit.h"

#include "app/windows.h"

#include <QApplication>

void BeginExit(QWidget*) {}

void CloseAllAndEnd() {
  LoadedWindows::MarkShutdownBegun();
  for (QWidget* window : LoadedWindows::InLoadOrder()) window->close();
  QCoreApplication::exit(0);
}

void HideFarewell() {}
