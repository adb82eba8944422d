#include "ui/messages.h"

#include "version.h"

#include <QQueue>

namespace {
struct Recorder {
  bool on = false;
  QQueue<QMessageBox::StandardButton> answers;
  QList<Messages::Shown> shown;
};
Recorder& recorder() {
  static Recorder r;
  return r;
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
  Recorder& r = recorder();
  if (r.on) {
    r.shown.append({title, text, icon, buttons});
    return r.answers.isEmpty() ? FirstButton(buttons) : r.answers.dequeue();
  }
  QMessageBox box(icon, title, text, buttons, parent);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

void Messages::StartRecording() {
  Recorder& r = recorder();
  r.on = true;
  r.answers.clear();
  r.shown.clear();
}
void Messages::StopRecording() { recorder() = Recorder{}; }
void Messages::QueueAnswer(QMessageBox::StandardButton answer) { recorder().answers.enqueue(answer); }
const QList<Messages::Shown>& Messages::Recorded() { return recorder().shown; }
void Messages::ClearRecorded() { recorder().shown.clear(); }
