#include "ui/program.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QtGlobal>

QString ProgramFileName() {
  const QString base = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  return base.isEmpty() ? QStringLiteral("scarabine") : base;
}

namespace {
constexpr char PlatformVariable[] = "QT_QPA_PLATFORM";
}

PlatformChoice::PlatformChoice() {
  if (qEnvironmentVariableIsSet(PlatformVariable) || qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
      qEnvironmentVariableIsEmpty("DISPLAY"))
    return;
  // Either one will do: if the X server cannot be reached, Wayland is used.
  chosen_ = qputenv(PlatformVariable, "xcb;wayland");
}

void PlatformChoice::Forget() {
  if (chosen_) qunsetenv(PlatformVariable);
  chosen_ = false;
}
