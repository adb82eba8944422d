#include "ui/messages.h"

#include "ui/answerseam.h"
#include "version.h"

namespace {
AnswerSeam<Messages::Shown, QMessageBox::StandardButton>& seam() {
  static AnswerSeam<Messages::Shown, QMessageBox::StandardButton> s;
  return s;
}

QMessageBox::StandardButton FirstButton(QMessageBox::StandardButtons buttons) {
  for (unsigned bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1) {
    if (buttons.testFlag(static_cast<QMessageBox::StandardButton>(bit)))
      return static_cast<QMessageBox::StandardButton>(bit);
  }
  return QMessageBox::NoButton;
}
}  // namespace

QMessageBox::StandardButton Messages::Show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                           QMessageBox::StandardButtons buttons) {
  const QString title = QString::fromLatin1(AppTitle);
  if (seam().Recording()) return seam().Take({title, text, icon, buttons}, FirstButton(buttons));
  QMessageBox box(icon, title, text, buttons, parent);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

void Messages::StartRecording() { seam().Start(); }
void Messages::StopRecording() { seam().Stop(); }
void Messages::QueueAnswer(QMessageBox::StandardButton answer) { seam().Queue(answer); }
const QList<Messages::Shown>& Messages::Recorded() { return seam().Recorded(); }
void Messages::ClearRecorded() { seam().ClearRecorded(); }
