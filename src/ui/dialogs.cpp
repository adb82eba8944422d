#include "ui/dialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QQueue>

namespace {

struct SaveRecorder {
  bool on = false;
  QQueue<QString> answers;  // an empty name stands for Cancel
  QList<SaveDialog::Shown> shown;
};
SaveRecorder& saveRecorder() {
  static SaveRecorder r;
  return r;
}

struct PrintAnswer {
  QDialog::DialogCode code;
  PrintDialog::PrinterSetup setup;
};
struct PrintRecorder {
  bool on = false;
  QQueue<PrintAnswer> answers;
  QList<PrintDialog::Shown> shown;
};
PrintRecorder& printRecorder() {
  static PrintRecorder r;
  return r;
}

}  // namespace

QString SaveDialog::Exec(QFileDialog& dialog) {
  SaveRecorder& r = saveRecorder();
  if (r.on) {
    r.shown.append({dialog.windowTitle(), dialog.nameFilters(), dialog.defaultSuffix(),
                    !dialog.testOption(QFileDialog::DontConfirmOverwrite)});
    return r.answers.isEmpty() ? QString() : r.answers.dequeue();
  }
  if (dialog.exec() != QDialog::Accepted) return QString();
  const QStringList files = dialog.selectedFiles();
  return files.isEmpty() ? QString() : files.first();
}

void SaveDialog::StartRecording() {
  saveRecorder() = SaveRecorder{};
  saveRecorder().on = true;
}
void SaveDialog::StopRecording() { saveRecorder() = SaveRecorder{}; }
void SaveDialog::SetNextFileName(const QString& fileName) { saveRecorder().answers.enqueue(fileName); }
void SaveDialog::SetNextCancel() { saveRecorder().answers.enqueue(QString()); }
const QList<SaveDialog::Shown>& SaveDialog::Recorded() { return saveRecorder().shown; }

bool PrintDialog::Exec(QPrintDialog& dialog) {
  PrintRecorder& r = printRecorder();
  if (r.on) {
    r.shown.append({dialog.testOption(QAbstractPrintDialog::PrintSelection),
                    dialog.printRange() == QAbstractPrintDialog::Selection,
                    dialog.testOption(QAbstractPrintDialog::PrintPageRange)});
    if (r.answers.isEmpty()) return false;
    const PrintAnswer answer = r.answers.dequeue();
    if (answer.code != QDialog::Accepted) return false;
    if (answer.setup) answer.setup(*dialog.printer());
    return true;
  }
  return dialog.exec() == QDialog::Accepted;
}

void PrintDialog::StartRecording() {
  printRecorder() = PrintRecorder{};
  printRecorder().on = true;
}
void PrintDialog::StopRecording() { printRecorder() = PrintRecorder{}; }
void PrintDialog::SetNextAnswer(QDialog::DialogCode answer, PrinterSetup setup) {
  printRecorder().answers.enqueue({answer, std::move(setup)});
}
const QList<PrintDialog::Shown>& PrintDialog::Recorded() { return printRecorder().shown; }
