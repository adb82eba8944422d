#include "report/saveprint.h"

#include "ui/messages.h"
#include "ui/dialogs.h"
#include "report/printjob.h"
#include "report/rtfwriter.h"
#include "ui/wholefile.h"
#include "version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPluginLoader>
#include <QSettings>
#include <QTextEdit>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QString RtfSuffix = QStringLiteral("rtf");

// Asks before replacing a file the dialog did not see, because the
// extension was added after it closed.
bool MayReplace(QWidget* parent, const QString& fileName) {
  const QString text = QCoreApplication::translate("SaveReport", "%1 already exists.\nDo you want to replace it?")
                           .arg(QDir::toNativeSeparators(fileName));
  return Messages::Show(parent, QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

#ifdef Q_OS_UNIX
// Whether only this user or root can change what is at path: the file and
// every folder above it. A folder others may write in is safe only where
// its sticky bit keeps them from replacing what is not theirs, and never as
// the module's own folder, where they could add a module of their own.
bool OnlyOursOrRoots(const QString& path, QString* why) {
  const uid_t me = geteuid();
  bool own = true;
  for (QString at = path;; at = QFileInfo(at).path()) {
    struct stat seen{};
    if (stat(QFile::encodeName(at).constData(), &seen) != 0) {
      *why = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(at), QString::fromLocal8Bit(std::strerror(errno)));
      return false;
    }
    // A group of the user's own (user private groups, umask 002) is the user.
    const bool othersWrite = (seen.st_mode & S_IWOTH) != 0 || ((seen.st_mode & S_IWGRP) != 0 && seen.st_gid != getegid());
    const bool folderHoldsModule = S_ISDIR(seen.st_mode) && own;
    if ((seen.st_uid != 0 && seen.st_uid != me) ||
        (othersWrite && (!S_ISDIR(seen.st_mode) || folderHoldsModule || !(seen.st_mode & S_ISVTX)))) {
      *why = QCoreApplication::translate("SaveReport", "%1 can be changed by other users.").arg(QDir::toNativeSeparators(at));
      return false;
    }
    if (S_ISDIR(seen.st_mode)) own = false;
    if (at == QLatin1String("/")) return true;
  }
}
#endif

// Where the print module may be: beside the program (a build tree, Windows,
// macOS), and, for an installed program, the install's module folder as it
// lies from the install's program folder, both fixed at build time. A copy
// of the program anywhere else (a shared folder, say) looks nowhere but
// beside itself.
QStringList PrintModuleFolders() {
  const QString here = QCoreApplication::applicationDirPath();
  QStringList folders{here};
  const QString installedProgram = QStringLiteral(SCARABINE_PROGRAM_DIR);
  const QString installedModule = QStringLiteral(SCARABINE_PRINT_MODULE_DIR);
  if (!installedModule.isEmpty() && QFileInfo(here).fileName() == installedProgram)
    folders.append(QDir::cleanPath(here + QLatin1Char('/') + installedModule));
  return folders;
}

// The print module, loaded once, on the first Print; kept loaded after.
PrintModule* LoadPrintModule(QString* reason) {
  static PrintModule* module = nullptr;
  if (module) return module;
  const QString name = QStringLiteral(SCARABINE_PRINT_MODULE);
  *reason = QCoreApplication::translate("SaveReport", "%1 was not found.").arg(name);
  for (const QString& folder : PrintModuleFolders()) {
    const QString candidate = QDir(folder).filePath(name);
    if (!QFileInfo::exists(candidate)) continue;
#ifdef Q_OS_UNIX
    const QString real = QFileInfo(candidate).canonicalFilePath();
    if (!OnlyOursOrRoots(real, reason) || !OnlyOursOrRoots(folder, reason)) continue;
#else
    const QString real = candidate;
#endif
    // The loader reads the module's metadata before it maps any code, so a
    // damaged file is refused here instead of faulting inside the linker.
    QPluginLoader loader(real);
    module = qobject_cast<PrintModule*>(loader.instance());
    if (module) return module;
    *reason = loader.errorString();
  }
  return nullptr;
}

// Qt's file dialog reads and writes a settings file of Qt's own in the
// user's configuration folder, taking a lock file beside it, and waits on
// whatever sits there. The program keeps nothing but its one setting, so
// Qt's user-wide settings go where nothing can be read or kept.
void KeepQtSettingsAway() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
  static const bool moved = [] {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
    return true;
  }();
  Q_UNUSED(moved);
#endif
}

}  // namespace

QString ReportFileName(const QString& chosen) {
  if (chosen.isEmpty() || !QFileInfo(chosen).suffix().isEmpty()) return chosen;
  return chosen.endsWith(QLatin1Char('.')) ? chosen + RtfSuffix : chosen + QLatin1Char('.') + RtfSuffix;
}

void SaveReport(QTextEdit* view, QWidget* parent) {
  if (!view) return;
  KeepQtSettingsAway();
  QString fileName;
  for (;;) {
    QFileDialog dialog(parent, QString::fromLatin1(AppTitle));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QCoreApplication::translate("SaveReport", "Rich Text Format (*.rtf)"));
    dialog.setDefaultSuffix(RtfSuffix);
    const QString chosen = SaveDialog::Exec(dialog);
    if (chosen.isEmpty()) return;
    fileName = ReportFileName(chosen);
    if (fileName == chosen || !QFileInfo::exists(fileName) || MayReplace(parent, fileName)) break;
  }

  QString reason;
  if (!ReplaceWholeFile(fileName, DocumentToRtf(*view->document()), AtLink::WriteThrough, &reason)) {
    Messages::Error(parent, QCoreApplication::translate("SaveReport", "The report could not be saved to %1.\n\n%2")
                                .arg(QDir::toNativeSeparators(fileName), reason));
  }
}

void PrintReport(QTextEdit* view, QWidget* parent) {
  if (!view) return;
  QString reason;
  PrintModule* module = LoadPrintModule(&reason);
  if (!module) {
    Messages::Error(parent, QCoreApplication::translate("SaveReport", "The report could not be printed: printing is not installed.\n\n%1")
                                .arg(reason));
    return;
  }
  const PrintJob job{view, parent, &PrintDialog::Scripted, QCoreApplication::translate("SaveReport", "Egyptian Astrology Report")};
  const PrintResult result = module->Run(job);
  if (result.outcome != PrintResult::Outcome::Failed) return;
  Messages::Error(parent, result.printer.isEmpty()
                              ? QCoreApplication::translate("SaveReport", "The report could not be printed.")
                              : QCoreApplication::translate("SaveReport", "The report could not be printed on %1.")
                                    .arg(result.printer));
}
