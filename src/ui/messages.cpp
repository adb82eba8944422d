#include "ui/messages.h"

#include "ui/answerseam.h"
#include "ui/window.h"
#include "version.h"

#include <QIcon>

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

QMessageBox::StandardButton ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                    QMessageBox::StandardButtons buttons, Qt::WindowFlags extraFlags) {
  const QString title = QString::fromLatin1(AppTitle);
  if (seam().Recording()) return seam().Take({title, text, icon, buttons}, FirstButton(buttons));
  QMessageBox box(icon, title, text, buttons, parent);
  box.setWindowFlags(box.windowFlags() | extraFlags);
  // The program's icon, not the desktop's generic one, even with no window
  // of the program open to take it from.
  box.setWindowIcon(ProgramIcon());
  StandOverActiveWindow(&box);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}
}  // namespace

QMessageBox::StandardButton Messages::Show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                           QMessageBox::StandardButtons buttons) {
  return ShowBox(parent, icon, text, buttons, {});
}

void Messages::InformationAboveAll(const QString& text) {
  ShowBox(nullptr, QMessageBox::Information, text, QMessageBox::Ok, Qt::WindowStaysOnTopHint);
}

void Messages::StartRecording() { seam().Start(); }
void Messages::StopRecording() { seam().Stop(); }
void Messages::QueueAnswer(QMessageBox::StandardButton answer) { seam().Queue(answer); }
const QList<Messages::Shown>& Messages::Recorded() { return seam().Recorded(); }
void Messages::ClearRecorded() { seam().ClearRecorded(); }
