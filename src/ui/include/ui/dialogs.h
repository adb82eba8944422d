#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QFileDialog;
class QPrinter;

// The Save As dialog. The program shows the real dialog; tests switch on
// recording, queue the answer, and read back how the dialog was set up.
class SaveDialog {
 public:
  struct Shown {
    QString title;
    QStringList nameFilters;
    QString defaultSuffix;
    bool confirmsOverwrite;
    QString folder;
  };

  // Runs the dialog; returns the chosen file, or an empty string on cancel.
  // Within a run the dialog opens in the folder of the last file chosen in
  // it; that folder is not stored anywhere.
  static QString Exec(QFileDialog& dialog);

  // Test seam: while recording, no dialog appears; each one is recorded and
  // answered with the next queued file name, or cancelled when none is queued.
  static void StartRecording();
  static void StopRecording();
  static void SetNextFileName(const QString& fileName);
  static void SetNextCancel();
  static const QList<Shown>& Recorded();
};

// The Print dialog, with the same kind of seam. A queued answer may come
// with a step that sets up the printer as the user would in the dialog
// (a test points it at a PDF file). The dialog itself is shown by the print
// module, which asks the seam first; so this needs no print support.
class PrintDialog {
 public:
  struct Shown {
    bool selectionOffered;
    bool selectionChosen;
    bool pageRangeOffered;
  };
  using PrinterSetup = std::function<void(QPrinter&)>;
  struct Answer {
    QDialog::DialogCode code = QDialog::Rejected;
    PrinterSetup setup;
  };

  // While recording: records how the dialog was set up and returns the
  // queued answer (Cancel when none is queued). Otherwise nothing, and the
  // real dialog is shown to the user.
  static std::optional<Answer> Scripted(const Shown& shown);

  static void StartRecording();
  static void StopRecording();
  static void SetNextAnswer(QDialog::DialogCode answer, PrinterSetup setup = {});
  static const QList<Shown>& Recorded();
};
