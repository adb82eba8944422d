#include "ui/dialogs.h"

#include "ui/answerseam.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

// An empty name stands for Cancel.
AnswerSeam<SaveDialog::Shown, QString>& saveSeam() {
  static AnswerSeam<SaveDialog::Shown, QString> s;
  return s;
}

AnswerSeam<PrintDialog::Shown, PrintDialog::Answer>& printSeam() {
  static AnswerSeam<PrintDialog::Shown, PrintDialog::Answer> s;
  return s;
}

// Where the user last chose a file, for this run only.
QString& lastFolder() {
  static QString folder;
  return folder;
}

QString Remembered(const QString& chosen) {
  if (!chosen.isEmpty()) lastFolder() = QFileInfo(chosen).absolutePath();
  return chosen;
}

}  // namespace

QString SaveDialog::Exec(QFileDialog& dialog) {
  if (!lastFolder().isEmpty() && QFileInfo(lastFolder()).isDir()) dialog.setDirectory(lastFolder());
  if (saveSeam().Recording()) {
    return Remembered(saveSeam().Take({dialog.windowTitle(), dialog.nameFilters(), dialog.defaultSuffix(),
                                       !dialog.testOption(QFileDialog::DontConfirmOverwrite),
                                       dialog.directory().absolutePath()},
                                      QString()));
  }
  if (dialog.exec() != QDialog::Accepted) return QString();
  const QStringList files = dialog.selectedFiles();
  return Remembered(files.isEmpty() ? QString() : files.first());
}

void SaveDialog::StartRecording() { saveSeam().Start(); }
void SaveDialog::StopRecording() { saveSeam().Stop(); }
void SaveDialog::SetNextFileName(const QString& fileName) { saveSeam().Queue(fileName); }
void SaveDialog::SetNextCancel() { saveSeam().Queue(QString()); }
const QList<SaveDialog::Shown>& SaveDialog::Recorded() { return saveSeam().Recorded(); }

std::optional<PrintDialog::Answer> PrintDialog::Scripted(const Shown& shown) {
  if (!printSeam().Recording()) return std::nullopt;
  return printSeam().Take(shown, Answer{});
}

void PrintDialog::StartRecording() { printSeam().Start(); }
void PrintDialog::StopRecording() { printSeam().Stop(); }
void PrintDialog::SetNextAnswer(QDialog::DialogCode answer, PrinterSetup setup) {
  printSeam().Queue(Answer{answer, std::move(setup)});
}
const QList<PrintDialog::Shown>& PrintDialog::Recorded() { return printSeam().Recorded(); }
