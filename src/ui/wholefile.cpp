#include "ui/wholefile.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFile>
#include <QSaveFile>
#endif

#ifdef Q_OS_UNIX

namespace {

// Closes a descriptor when it goes out of scope.
class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() { Reset(); }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int Get() const { return fd_; }
  void Reset(int fd = -1) {
    if (fd_ >= 0) close(fd_);
    fd_ = fd;
  }

 private:
  int fd_;
};

bool Fail(QString* reason, int error) {
  if (reason) *reason = QString::fromLocal8Bit(std::strerror(error));
  return false;
}

QByteArray TemporaryName(const QByteArray& name) {
  static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  QByteArray out = name + '.';
  for (int i = 0; i < 6; ++i) out += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
  return out;
}

bool WriteAndSync(int fd, const QByteArray& contents, QString* reason) {
  for (qsizetype done = 0; done < contents.size();) {
    const ssize_t written = write(fd, contents.constData() + done, size_t(contents.size() - done));
    if (written < 0) {
      if (errno == EINTR) continue;
      return Fail(reason, errno);
    }
    // A short write is retried: the next one goes on or says why (disk full).
    done += written;
  }
  // The old file is replaced only by one the disk has confirmed.
#ifdef Q_OS_DARWIN
  if (fsync(fd) != 0) return Fail(reason, errno);
#else
  if (fdatasync(fd) != 0) return Fail(reason, errno);
#endif
  return true;
}

// Gives the finished file a name in the folder, or says why it cannot.
// Nameless files (Linux) get theirs only now, just before the rename.
bool NameTemporary(int folder, int fd, const QByteArray& name, QByteArray* temporary, QString* reason) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temporary = TemporaryName(name);
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    if (linkat(AT_FDCWD, self.constData(), folder, temporary->constData(), AT_SYMLINK_FOLLOW) == 0) return true;
    if (errno != EEXIST) return Fail(reason, errno);
  }
  return Fail(reason, EEXIST);
}

}  // namespace

bool ReplaceWholeFile(const QString& path, const QByteArray& contents, AtLink link, QString* reason) {
  QString target = path;
  if (link == AtLink::WriteThrough && QFileInfo(path).isSymLink()) {
    const QFileInfo pointed(QFileInfo(path).symLinkTarget());
    target = pointed.canonicalFilePath().isEmpty() ? pointed.absoluteFilePath() : pointed.canonicalFilePath();
  }
  const QFileInfo where(target);
  const QByteArray name = QFile::encodeName(where.fileName());
  const Fd folder(open(QFile::encodeName(where.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.Get() < 0) return Fail(reason, errno);

  struct stat existing{};
  const bool exists = fstatat(folder.Get(), name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0;
  if (exists && S_ISDIR(existing.st_mode)) return Fail(reason, EISDIR);
  // A file its owner made read-only stays as it is: the new file would
  // otherwise be renamed over it, which only the folder's rights govern.
  if (exists && S_ISREG(existing.st_mode) && faccessat(folder.Get(), name.constData(), W_OK, AT_EACCESS) != 0)
    return Fail(reason, errno);
  const mode_t mode = exists && S_ISREG(existing.st_mode) ? (existing.st_mode & 07777) : 0666;

  QByteArray temporary;
  Fd file;
  int nameless = EOPNOTSUPP;
#ifdef O_TMPFILE
  file.Reset(openat(folder.Get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
  nameless = file.Get() < 0 ? errno : 0;
#endif
  if (nameless == 0) {
    if (exists) fchmod(file.Get(), mode);  // as umask allowed for the file it replaces
    if (!WriteAndSync(file.Get(), contents, reason)) return false;
    QString ignored;
    if (!NameTemporary(folder.Get(), file.Get(), name, &temporary, &ignored)) {
      // Without /proc a nameless file cannot be named: write a named one.
      nameless = EOPNOTSUPP;
      file.Reset();
    }
  }
  // Anything but "this file system has no nameless files" is the reason itself.
  if (nameless != 0 && nameless != EOPNOTSUPP && nameless != EISDIR && nameless != EINVAL)
    return Fail(reason, nameless);
  if (nameless != 0) {
    for (int attempt = 0; attempt < 100 && file.Get() < 0; ++attempt) {
      temporary = TemporaryName(name);
      file.Reset(openat(folder.Get(), temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
      // A folder that is there yet takes no new name (/proc) says "no such
      // file"; what it does not support is the truer reason.
      if (file.Get() < 0 && errno == ENOENT && nameless != 0) return Fail(reason, nameless);
      if (file.Get() < 0 && errno != EEXIST) return Fail(reason, errno);
    }
    if (file.Get() < 0) return Fail(reason, EEXIST);
    if (exists) fchmod(file.Get(), mode);
    if (!WriteAndSync(file.Get(), contents, reason)) {
      unlinkat(folder.Get(), temporary.constData(), 0);
      return false;
    }
  }
  if (renameat(folder.Get(), temporary.constData(), folder.Get(), name.constData()) != 0) {
    const int error = errno;
    unlinkat(folder.Get(), temporary.constData(), 0);
    return Fail(reason, error);
  }
  // The new name reaches the disk too; a folder that cannot be synced
  // (some file systems refuse) still holds the whole new file.
  fsync(folder.Get());
  return true;
}

#else

bool ReplaceWholeFile(const QString& path, const QByteArray& contents, AtLink link, QString* reason) {
  Q_UNUSED(link);  // QSaveFile writes through links
  if (QFileInfo(path).isFile()) {
    QFile existing(path);
    if (!existing.open(QIODevice::WriteOnly | QIODevice::Append)) {
      if (reason) *reason = existing.errorString();
      return false;
    }
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    if (reason) *reason = file.errorString();
    return false;
  }
  for (qsizetype done = 0; done < contents.size();) {
    const qint64 written = file.write(contents.constData() + done, contents.size() - done);
    if (written <= 0) {
      if (reason) *reason = file.errorString();
      file.cancelWriting();
      return false;
    }
    done += written;
  }
  if (!file.commit()) {
    if (reason) *reason = file.errorString();
    return false;
  }
  return true;
}

#endif
