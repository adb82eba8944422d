#include "ui/messages.h"

#include "version.h"

#include <QIcon>
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


QMessageBox::StandardButton ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                    QMessageBox::StandardButtons buttons, Qt::WindowFlags extraFlags) {
  const QString title = QString::fromLatin1(AppTitle);
  Recorder& r = recorder();
  if (r.on) {
    r.shown.append({title, text, icon, buttons});
    return r.answers.isEmpty() ? FirstButton(buttons) : r.answers.dequeue();
  }
  QMessageBox box(icon, title, text, buttons, parent);
  box.setWindowFlags(box.windowFlags() | extraFlags);
  // The program's icon, not the desktop's generic one, even with no window
  // of the program open to take it from.
  box.setWindowIcon(QIcon(QStringLiteral(":/icon/scarabine.svg")));
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
