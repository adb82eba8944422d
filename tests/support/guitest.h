#pragma once

#include "report/autosizelabel.h"
#include "report/reportview.h"
#include "support/child.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QString>
#include <QTabWidget>

class FrmMain;

// One side of the input, as the user types and picks it.
struct Person {
  QString typed;
  int day;    // 1-based
  int month;  // 1-based
  int year;
};
class QWidget;

// Starts recording message boxes and shows a fresh, active main window.
FrmMain* ShowFreshMainWindow();
// Deletes every loaded window and stops recording message boxes.
void UnloadAllWindows();
// One key press and release, with the text the platform sends along.
void PressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers, const QString& text);
// A mouse wheel turn over the widget's centre (negative notches turn it
// towards the user), delivered as the window system delivers one: offered to
// the widget's parents when the widget does not take it.
void WheelOver(QWidget* target, int notches);
// The messages shown so far as "title|icon|buttons|text" lines, for one QCOMPARE.
QString ShownMessages();
// How an OK-only box titled "Scarabine" with this text appears in ShownMessages().
QString OkMessage(const QString& text, QMessageBox::Icon icon = QMessageBox::Information);
// Types both names through the key filter and picks both dates.
void EnterPeople(FrmMain* input, const Person& user, const Person& partner);
