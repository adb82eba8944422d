#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

// Every message box of the program goes through here. The program shows real
// boxes; tests switch on recording, queue answers, and read back what was shown.
class Messages {
 public:
  struct Shown {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
  };

  // Shows a modal box titled with the application title and returns the answer.
  static QMessageBox::StandardButton Show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                          QMessageBox::StandardButtons buttons = QMessageBox::Ok);
  // An information box that stays above every window on the screen, the
  // always-on-top ones of another copy of the program included: for a box
  // that has no window of this copy to stand on.
  static void InformationAboveAll(const QString& text);
  static void Information(QWidget* parent, const QString& text) {
    Show(parent, QMessageBox::Information, text);
  }
  static void Error(QWidget* parent, const QString& text) { Show(parent, QMessageBox::Critical, text); }

  // Test seam: while recording, no box appears; each call is recorded and
  // answered with the next queued answer, or the box's first button.
  static void StartRecording();
  static void StopRecording();
  static void QueueAnswer(QMessageBox::StandardButton answer);
  static const QList<Shown>& Recorded();
  static void ClearRecorded();
};
