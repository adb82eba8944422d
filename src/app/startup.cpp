#include "app/startup.h"

#include "app/exit.h"
#include "app/frmmain.h"
#include "app/instance.h"
#include "app/windows.h"
#include "app/wiring.h"
#include "ui/messages.h"
#include "web/reminder.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <functional>
#include <utility>

namespace {

// Runs a piece of start-up work once, just after the window's first frame.
class AfterFirstPaint : public QObject {
 public:
  AfterFirstPaint(QWidget* window, std::function<void()> work) : QObject(window), work_(std::move(work)) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, this, [this] {
        work_();
        deleteLater();
      });
    }
    return false;
  }

 private:
  std::function<void()> work_;
};

}  // namespace

bool RunStartup() {
  WireWindows();
  if (!AcquireInstanceLock()) {
    // The running copy is left alone: not raised, not told.
    // Above everything: the running copy's farewell window stays on top.
    Messages::InformationAboveAll(QCoreApplication::translate("Startup", "Application is already running"));
    CloseAllAndEnd();
    return false;
  }
  // A first start only remembers today's date, and that write waits for the
  // disk (the settings file is replaced and synced). Nothing is asked, so it
  // can follow the main window's first frame instead of delaying it.
  const QDate today = QDate::currentDate();
  const ReminderStep step = PendingReminder(today);
  const bool storeAfterFrame = step == ReminderStep::StoreToday;
  if (!storeAfterFrame) CarryOutReminder(step, today);
  Windows::ShowMain();
  // The first report window is built while the user types, after the main
  // window's first frame.
  if (FrmMain* window = Windows::MainIfLoaded()) {
    new AfterFirstPaint(window, [storeAfterFrame, today] {
      if (storeAfterFrame) CarryOutReminder(ReminderStep::StoreToday, today);
      Windows::PrepareNextReport();
    });
  }
  return true;
}

int RunProgram() {
  const bool running = RunStartup();
  const int status = running ? QApplication::exec() : 0;
  // Windows closed on the way out are deleted later; let that happen now.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return status;
}
