#include "ui/dialogs.h"

#include "ui/answerseam.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace {

// An empty name stands for Cancel.
AnswerSeam<SaveDialog::Shown, QString>& saveSeam() {
  static AnswerSeam<SaveDialog::Shown, QString> s;
  return s;
}

struct PrintAnswer {
  QDialog::DialogCode code = QDialog::Rejected;
  PrintDialog::PrinterSetup setup;
};
AnswerSeam<PrintDialog::Shown, PrintAnswer>& printSeam() {
  static AnswerSeam<PrintDialog::Shown, PrintAnswer> s;
  return s;
}

}  // namespace

QString SaveDialog::Exec(QFileDialog& dialog) {
  if (saveSeam().Recording()) {
    return saveSeam().Take({dialog.windowTitle(), dialog.nameFilters(), dialog.defaultSuffix(),
                            !dialog.testOption(QFileDialog::DontConfirmOverwrite)},
                           QString());
  }
  if (dialog.exec() != QDialog::Accepted) return QString();
  const QStringList files = dialog.selectedFiles();
  return files.isEmpty() ? QString() : files.first();
}

void SaveDialog::StartRecording() { saveSeam().Start(); }
void SaveDialog::StopRecording() { saveSeam().Stop(); }
void SaveDialog::SetNextFileName(const QString& fileName) { saveSeam().Queue(fileName); }
void SaveDialog::SetNextCancel() { saveSeam().Queue(QString()); }
const QList<SaveDialog::Shown>& SaveDialog::Recorded() { return saveSeam().Recorded(); }

bool PrintDialog::Exec(QPrintDialog& dialog) {
  if (printSeam().Recording()) {
    const PrintAnswer answer = printSeam().Take({dialog.testOption(QAbstractPrintDialog::PrintSelection),
                                                 dialog.printRange() == QAbstractPrintDialog::Selection,
                                                 dialog.testOption(QAbstractPrintDialog::PrintPageRange)},
                                                PrintAnswer{});
    if (answer.code != QDialog::Accepted) return false;
    if (answer.setup) answer.setup(*dialog.printer());
    return true;
  }
  return dialog.exec() == QDialog::Accepted;
}

void PrintDialog::StartRecording() { printSeam().Start(); }
void PrintDialog::StopRecording() { printSeam().Stop(); }
void PrintDialog::SetNextAnswer(QDialog::DialogCode answer, PrinterSetup setup) {
  printSeam().Queue({answer, std::move(setup)});
}
const QList<PrintDialog::Shown>& PrintDialog::Recorded() { return printSeam().Recorded(); }
