#include "app/instance.h"

#include "ui/program.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <QSysInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QLockFile>

#include <memory>
#endif

namespace {
QString LockFileName() { return ProgramFileName() + QStringLiteral(".lock"); }
}  // namespace

QString InstanceLockPath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  return folder.isEmpty() ? QString() : QDir(folder).filePath(LockFileName());
}

#ifdef Q_OS_UNIX

// The lock is an flock() on the lock file, held on an open descriptor for the
// life of the process. The kernel drops it when the process ends however it
// ends, so nothing left in the file (empty, garbage, a dead or recycled
// process id, another host) can ever count: only a running holder refuses a
// start, and the kernel grants the lock to exactly one of any number of
// copies started at once. The file is never removed (removing it would let a
// late copy lock a fresh file beside one still locked); what is written into
// it is for people only.

namespace {
// TMPDIR only where it names an existing folder by its full path: Qt's
// temporary path is empty for a missing one, which would put the lock in
// whatever folder the program was started from.
QString SharedTemporaryFolder() {
  const QString chosen = qEnvironmentVariable("TMPDIR");
  if (QDir::isAbsolutePath(chosen) && QFileInfo(chosen).isDir()) return QDir::cleanPath(chosen);
  return QStringLiteral("/tmp");
}
}  // namespace

QString FallbackInstanceLockPath() {
  const QString folder = QStringLiteral("%1-%2").arg(ProgramFileName()).arg(geteuid());
  return QDir(SharedTemporaryFolder()).filePath(folder + QLatin1Char('/') + LockFileName());
}

namespace {
enum class Attempt { Held, HeldByAnother, Unusable };

// The folder, opened, when only this user can write in it. A link is followed
// only where the user chose the place (the runtime folder), never in the
// shared temporary folder, where anyone may have planted it.
int OpenPrivateFolder(const QString& path, bool followLink) {
  const int fd = open(QFile::encodeName(path).constData(),
                      O_RDONLY | O_DIRECTORY | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW));
  if (fd < 0) return -1;
  struct stat folder{};
  if (fstat(fd, &folder) != 0 || folder.st_uid != geteuid() || (folder.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

// Opens (or creates) the lock file in the folder and tries to lock it.
// Anything but a regular file of this user's is not opened at all; a FIFO or
// device slipped in between the look and the open is caught without blocking.
Attempt TryLockIn(int folder, const QByteArray& name, int* held) {
  struct stat seen{};
  if (fstatat(folder, name.constData(), &seen, AT_SYMLINK_NOFOLLOW) == 0 &&
      (!S_ISREG(seen.st_mode) || seen.st_uid != geteuid()))
    return Attempt::Unusable;
  // Close-on-exec: a browser started from the program must not inherit the
  // lock and keep it after the program has ended.
  const int fd = openat(folder, name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
                        S_IRUSR | S_IWUSR);
  if (fd < 0) return Attempt::Unusable;
  struct stat opened{};
  if (fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_uid != geteuid()) {
    close(fd);
    return Attempt::Unusable;
  }
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool busy = errno == EWOULDBLOCK;
    close(fd);
    return busy ? Attempt::HeldByAnother : Attempt::Unusable;
  }
  // Who holds it, in the form other lock files use: process id, program, host.
  const QByteArray about = QByteArray::number(qint64(getpid())) + '\n' + QFile::encodeName(ProgramFileName()) + '\n' +
                           QSysInfo::machineHostName().toUtf8() + '\n';
  if (ftruncate(fd, 0) == 0) {
    [[maybe_unused]] const ssize_t written = pwrite(fd, about.constData(), size_t(about.size()), 0);
  }
  *held = fd;
  return Attempt::Held;
}

Attempt TryLockAt(const QString& lockPath, bool followLink, int* held) {
  if (lockPath.isEmpty()) return Attempt::Unusable;
  const QFileInfo where(lockPath);
  if (!followLink) mkdir(QFile::encodeName(where.path()).constData(), S_IRWXU);
  const int folder = OpenPrivateFolder(where.path(), followLink);
  if (folder < 0) return Attempt::Unusable;
  const Attempt attempt = TryLockIn(folder, QFile::encodeName(where.fileName()), held);
  close(folder);
  return attempt;
}
}  // namespace

bool AcquireInstanceLock() {
  static int held = -1;
  if (held >= 0) return true;
  Attempt attempt = TryLockAt(InstanceLockPath(), true, &held);
  if (attempt == Attempt::Unusable) attempt = TryLockAt(FallbackInstanceLockPath(), false, &held);
  // With no usable place at all the program runs unguarded rather than not
  // at all.
  return attempt != Attempt::HeldByAnother;
}

#else

QString FallbackInstanceLockPath() { return {}; }

bool AcquireInstanceLock() {
  static std::unique_ptr<QLockFile> held;
  if (held) return true;
  // The holder keeps its lock file open without delete sharing, so a live
  // copy's lock cannot be taken over however old it is; the default stale
  // time only clears empty or unreadable files that nobody holds.
  auto lock = std::make_unique<QLockFile>(InstanceLockPath());
  if (lock->tryLock(0)) {
    held = std::move(lock);
    return true;
  }
  return lock->error() != QLockFile::LockFailedError;
}

#endif
