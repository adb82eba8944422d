#include "support/guitest.h"

#include "app/frmmain.h"
#include "ui/messages.h"
#include "app/windows.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>

FrmMain* ShowFreshMainWindow() {
  Messages::StartRecording();
  LoadedWindows::ResetForTests();
  FrmMain* form = SharedWindow<FrmMain>::Get();
  form->show();
  if (!QTest::qWaitForWindowActive(form)) qWarning("main window not active");
  return form;
}

void UnloadAllWindows() {
  QList<QPointer<QWidget>> loaded;
  for (QWidget* window : LoadedWindows::InLoadOrder()) loaded << window;
  for (const QPointer<QWidget>& window : loaded) delete window.data();
  LoadedWindows::ResetForTests();
  Messages::StopRecording();
}

void PressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(target, &release);
}

static QString Line(const QString& title, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons,
                    const QString& text) {
  return QStringLiteral("%1|%2|%3|%4\n").arg(title).arg(int(icon)).arg(int(buttons)).arg(text);
}

QString ShownMessages() {
  QString lines;
  for (const Messages::Shown& shown : Messages::Recorded()) lines += Line(shown.title, shown.icon, shown.buttons, shown.text);
  return lines;
}

QString OkMessage(const QString& text, QMessageBox::Icon icon) {
  return Line(QStringLiteral("Scarabine"), icon, QMessageBox::Ok, text);
}

void EnterPeople(FrmMain* input, const Person& user, const Person& partner) {
  input->txtName()->clear();
  input->txtPartnerName()->clear();
  QTest::keyClicks(input->txtName(), user.typed);
  QTest::keyClicks(input->txtPartnerName(), partner.typed);
  input->cmbDate()->setCurrentIndex(user.day - 1);
  input->cmbMonth()->setCurrentIndex(user.month - 1);
  input->cmbYear()->setCurrentText(QString::number(user.year));
  input->cmbPartnerDate()->setCurrentIndex(partner.day - 1);
  input->cmbPartnerMonth()->setCurrentIndex(partner.month - 1);
  input->cmbPartnerYear()->setCurrentText(QString::number(partner.year));
}
