#include "report/saveprint.h"

#include "ui/messages.h"
#include "ui/dialogs.h"
#include "report/printjob.h"
#include "report/rtfwriter.h"
#include "version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibrary>
#include <QSaveFile>
#include <QTextEdit>

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

// The print module, loaded once, on the first Print. It is looked for
// beside the program (a build tree, Windows, macOS), then where a Linux
// install puts it. Nothing else loads code from elsewhere.
RunPrintJobFunction LoadPrintModule(QString* reason) {
  static RunPrintJobFunction entry = nullptr;
  if (entry) return entry;
  const QDir here(QCoreApplication::applicationDirPath());
  const QString name = QStringLiteral(SCARABINE_PRINT_MODULE);
  QString candidate = here.filePath(name);
  if (!QFileInfo(candidate).isFile()) candidate = here.filePath(QStringLiteral(SCARABINE_PRINT_MODULE_DIR "/") + name);
  QLibrary module(QDir::cleanPath(candidate));
  entry = reinterpret_cast<RunPrintJobFunction>(module.resolve(RunPrintJobSymbol));
  // Kept loaded: QLibrary's destructor leaves the module in place.
  if (!entry && reason) *reason = module.errorString();
  return entry;
}

}  // namespace

QString ReportFileName(const QString& chosen) {
  if (chosen.isEmpty() || !QFileInfo(chosen).suffix().isEmpty()) return chosen;
  return chosen.endsWith(QLatin1Char('.')) ? chosen + RtfSuffix : chosen + QLatin1Char('.') + RtfSuffix;
}

bool WriteWholeFile(const QString& fileName, const QByteArray& contents, QString* reason) {
  // A file its owner made read-only stays as it is: the new file would
  // otherwise be renamed over it, which only the folder's rights govern.
  if (QFileInfo(fileName).isFile()) {
    QFile existing(fileName);
    if (!existing.open(QIODevice::WriteOnly | QIODevice::Append)) {
      if (reason) *reason = existing.errorString();
      return false;
    }
  }
  QSaveFile file(fileName);
  // Unbuffered, so that a short write (disk full) shows in write()'s count;
  // a buffered QSaveFile can commit a truncated file without an error.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    if (reason) *reason = file.errorString();
    return false;
  }
  // A short write is retried: the next attempt either goes on or fails
  // with the reason (disk full, file too large).
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

void SaveReport(QTextEdit* view, QWidget* parent) {
  if (!view) return;
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
  if (!WriteWholeFile(fileName, DocumentToRtf(*view->document()), &reason)) {
    Messages::Error(parent, QCoreApplication::translate("SaveReport", "The report could not be saved to %1.\n\n%2")
                                .arg(QDir::toNativeSeparators(fileName), reason));
  }
}

void PrintReport(QTextEdit* view, QWidget* parent) {
  if (!view) return;
  QString reason;
  const RunPrintJobFunction run = LoadPrintModule(&reason);
  if (!run) {
    Messages::Error(parent, QCoreApplication::translate("SaveReport", "The report could not be printed: printing is not installed.\n\n%1")
                                .arg(reason));
    return;
  }
  const PrintJob job{view, parent, &PrintDialog::Scripted};
  PrintResult result;
  run(job, result);
  if (result.outcome != PrintResult::Outcome::Failed) return;
  Messages::Error(parent, result.printer.isEmpty()
                              ? QCoreApplication::translate("SaveReport", "The report could not be printed.")
                              : QCoreApplication::translate("SaveReport", "The report could not be printed on %1.")
                                    .arg(result.printer));
}
