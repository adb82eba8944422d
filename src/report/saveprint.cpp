#include "report/saveprint.h"

#include "app/messages.h"
#include "report/dialogs.h"
#include "report/rtfwriter.h"
#include "version.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextEdit>

namespace {

const QString RtfSuffix = QStringLiteral("rtf");

// Asks before replacing a file the dialog did not see, because the
// extension was added after it closed.
bool MayReplace(QWidget* parent, const QString& fileName) {
  const QString text = QStringLiteral("%1 already exists.\nDo you want to replace it?")
                           .arg(QDir::toNativeSeparators(fileName));
  return Messages::Show(parent, QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

}  // namespace

QString ReportFileName(const QString& chosen) {
  if (chosen.isEmpty() || !QFileInfo(chosen).suffix().isEmpty()) return chosen;
  return chosen.endsWith(QLatin1Char('.')) ? chosen + RtfSuffix : chosen + QLatin1Char('.') + RtfSuffix;
}

bool WriteWholeFile(const QString& fileName, const QByteArray& contents, QString* reason) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) {
    if (reason) *reason = file.errorString();
    return false;
  }
  if (file.write(contents) != contents.size() || !file.commit()) {
    if (reason) *reason = file.errorString();
    file.cancelWriting();
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
    dialog.setNameFilter(QStringLiteral("Rich Text Format (*.rtf)"));
    dialog.setDefaultSuffix(RtfSuffix);
    const QString chosen = SaveDialog::Exec(dialog);
    if (chosen.isEmpty()) return;
    fileName = ReportFileName(chosen);
    if (fileName == chosen || !QFileInfo::exists(fileName) || MayReplace(parent, fileName)) break;
  }

  QString reason;
  if (!WriteWholeFile(fileName, DocumentToRtf(*view->document()), &reason)) {
    Messages::Error(parent, QStringLiteral("The report could not be saved to %1.\n\n%2")
                                .arg(QDir::toNativeSeparators(fileName), reason));
  }
}

void PrintReport(QTextEdit* view, QWidget* parent) {
  if (!view) return;
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, parent);
  const bool hasSelection = view->textCursor().hasSelection();
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, hasSelection);
  dialog.setPrintRange(hasSelection ? QAbstractPrintDialog::Selection : QAbstractPrintDialog::AllPages);
  if (!PrintDialog::Exec(dialog)) return;

  // The view prints only the selection when the printer's range says so.
  view->print(&printer);
  if (printer.printerState() == QPrinter::Error) {
    const QString where = printer.outputFileName().isEmpty() ? printer.printerName()
                                                             : QDir::toNativeSeparators(printer.outputFileName());
    Messages::Error(parent, QStringLiteral("The report could not be printed on %1.").arg(where));
  }
}
