#include "web/reminder.h"

#include "ui/messages.h"
#include "ui/pages.h"
#include "web/settings.h"

#include <QCoreApplication>
#include <QLocale>

namespace {
// Asked again at the earliest on the 15th day, and when the clock was set
// back by more than 14 days.
constexpr qint64 QuietDays = 14;
}  // namespace

QString UpdateQuestion() {
  return QCoreApplication::translate("Reminder",
                                     "There maybe an update to this software available\nDo you want to check for an update?");
}

QString StoredDateText(const QDate& date) { return date.toString(QStringLiteral("yyyy-MM-dd")); }

QDate ParseStoredDate(const QString& stored, const QDate& today) {
  const QDate iso = QDate::fromString(stored, QStringLiteral("yyyy-MM-dd"));
  if (iso.isValid()) return iso;

  const QLocale locale = QLocale::system();
  const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
  QDate shortDate = locale.toDate(stored, shortFormat);
  if (!shortDate.isValid()) return {};
  // A two-digit year reads as 19yy; take the century that puts it nearest today.
  if (!shortFormat.contains(QStringLiteral("yyyy"))) {
    while (shortDate.year() < today.year() - 50) shortDate = shortDate.addYears(100);
  }
  return shortDate;
}

ReminderStep DecideReminder(const QString& stored, const QDate& today) {
  if (stored.isEmpty()) return ReminderStep::StoreToday;
  const QDate last = ParseStoredDate(stored, today);
  // An unreadable value would otherwise silence the reminder for good.
  if (!last.isValid()) return ReminderStep::StoreToday;
  const qint64 days = today.daysTo(last);
  return (days < -QuietDays || days > QuietDays) ? ReminderStep::Ask : ReminderStep::Nothing;
}

ReminderStep PendingReminder(const QDate& today) { return DecideReminder(ReadSetting(ReminderKey), today); }

void RemindAboutUpdate(const QDate& today) { CarryOutReminder(PendingReminder(today), today); }

void CarryOutReminder(ReminderStep step, const QDate& today) {
  switch (step) {
    case ReminderStep::Nothing:
      return;
    case ReminderStep::StoreToday:
      SaveSettingValue(ReminderKey, StoredDateText(today));
      return;
    case ReminderStep::Ask: {
      const auto answer = Messages::Show(nullptr, QMessageBox::Information, UpdateQuestion(),
                                         QMessageBox::Yes | QMessageBox::No);
      // Remembered whatever the answer, before any page opens.
      SaveSettingValue(ReminderKey, StoredDateText(today));
      if (answer == QMessageBox::Yes) OpenWebPage(Page::Download);
      return;
    }
  }
}
