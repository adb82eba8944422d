#include "app/instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <memory>

QString InstanceLockPath() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  if (name.isEmpty()) name = QStringLiteral("scarabine");
  return QDir(folder).filePath(name + QStringLiteral(".lock"));
}

bool AcquireInstanceLock() {
  static std::unique_ptr<QLockFile> held;
  if (held) return true;
  auto lock = std::make_unique<QLockFile>(InstanceLockPath());
  // Staleness is decided by whether the owner still runs, never by age: a
  // copy that has run for hours still holds its lock.
  lock->setStaleLockTime(0);
  if (lock->tryLock(0)) {
    held = std::move(lock);
    return true;
  }
  // Only a live owner refuses the start; a lock we cannot even create (no
  // runtime folder, no permission) must not keep the program from running.
  return lock->error() != QLockFile::LockFailedError;
}
