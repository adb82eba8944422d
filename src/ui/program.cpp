#include "ui/program.h"

#include <QCoreApplication>
#include <QFileInfo>

QString ProgramFileName() {
  const QString base = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  return base.isEmpty() ? QStringLiteral("scarabine") : base;
}
