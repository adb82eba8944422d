#include "support/guitest.h"

#include "app/frmmain.h"
#include "ui/messages.h"
#include "app/windows.h"
#include "app/wiring.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QPointer>
#include <QSpontaneKeyEvent>
#include <QTest>

FrmMain* ShowFreshMainWindow() {
  Messages::StartRecording();
  Windows::ResetForTests();
  WireWindows();  // as start-up does
  FrmMain* form = Windows::Main();
  form->show();
  if (!QTest::qWaitForWindowActive(form)) qWarning("main window not active");
  return form;
}

void UnloadAllWindows() {
  QList<QPointer<QWidget>> loaded;
  for (QWidget* window : Windows::InLoadOrder()) loaded << window;
  for (const QPointer<QWidget>& window : loaded) delete window.data();
  Windows::ResetForTests();
  Messages::StopRecording();
}

void PressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(target, &release);
}

void WheelOver(QWidget* target, int notches) {
  const QPointF centre = QRectF(target->rect()).center();
  QWheelEvent wheel(centre, target->mapToGlobal(centre), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  // As QTest delivers its key and mouse events: sendEvent would clear the mark.
  QSpontaneKeyEvent::setSpontaneous(&wheel);
  qApp->notify(target, &wheel);
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
  Child<QLineEdit>(input, "txtName")->clear();
  Child<QLineEdit>(input, "txtPartnerName")->clear();
  QTest::keyClicks(Child<QLineEdit>(input, "txtName"), user.typed);
  QTest::keyClicks(Child<QLineEdit>(input, "txtPartnerName"), partner.typed);
  Child<QComboBox>(input, "cmbDate")->setCurrentIndex(user.day - 1);
  Child<QComboBox>(input, "cmbMonth")->setCurrentIndex(user.month - 1);
  Child<QComboBox>(input, "cmbYear")->setCurrentText(QString::number(user.year));
  Child<QComboBox>(input, "cmbPartnerDate")->setCurrentIndex(partner.day - 1);
  Child<QComboBox>(input, "cmbPartnerMonth")->setCurrentIndex(partner.month - 1);
  Child<QComboBox>(input, "cmbPartnerYear")->setCurrentText(QString::number(partner.year));
}
