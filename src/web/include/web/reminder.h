#pragma once

#include <QDate>
#include <QString>

// What the start-up reminder does, decided from the stored text and today.
enum class ReminderStep {
  StoreToday,  // first start (or an unreadable value): remember today, ask nothing
  Nothing,     // asked recently enough: ask nothing, store nothing
  Ask,         // more than 14 days away either way: ask, then remember today
};

// The key the reminder date is stored under.
inline const QString ReminderKey = QStringLiteral("Duration");

// The question asked when an update may be available.
QString UpdateQuestion();

// The stored reminder date, from the fixed form written by the program
// (yyyy-MM-dd) or, from older values, the user's short-date form. Invalid when
// neither reads.
QDate ParseStoredDate(const QString& stored, const QDate& today);

// The fixed, locale-independent form a date is stored in.
QString StoredDateText(const QDate& date);

// The pure decision: no clock, no store, no window.
ReminderStep DecideReminder(const QString& stored, const QDate& today);

// What the stored date asks for today.
ReminderStep PendingReminder(const QDate& today);

// Carries out that step: may ask one Yes/No question and open the download
// page, and remembers today unless the step is Nothing. Failures of the
// store or the browser are ignored.
void CarryOutReminder(ReminderStep step, const QDate& today);

// Both, once per start-up, before the main window.
void RemindAboutUpdate(const QDate& today);
