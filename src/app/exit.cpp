#include "app/exit.h"

#include "app/windows.h"
#include "ui/window.h"
#include "web/frmfarewell.h"

#include <QCoreApplication>
#include <QPointer>

namespace {
// Windows BeginExit is closing right now: their unload events call BeginExit
// again, which must leave things as they are.
QList<QWidget*>& ClosingNow() {
  static QList<QWidget*> closing;
  return closing;
}
}  // namespace

void BeginExit(QWidget* closingWindow) {
  // Once shutdown has begun no window is shown again, the farewell included.
  if (Windows::ShutdownBegun()) return;
  if (closingWindow && ClosingNow().contains(closingWindow)) return;

  FrmFarewell* farewell = Windows::Farewell();
  if (!farewell->isVisible()) ShowAboveOthers(farewell);

  // Called from the window's own unload this joins the close under way;
  // called directly (an Exit command) it starts it. Never cancelled.
  if (closingWindow) {
    ClosingNow().append(closingWindow);
    closingWindow->close();
    ClosingNow().removeOne(closingWindow);
  }
}

void CloseAllAndEnd() {
  // Entered again from the farewell window's unload: the outer call is
  // already closing everything; just end.
  if (!Windows::ShutdownBegun()) {
    Windows::MarkShutdownBegun();
    for (QWidget* window : Windows::InLoadOrder()) {
      QPointer<QWidget> guard(window);
      const bool closed = window->close();
      // A window that refused, or one that is not deleted on close, is
      // dropped anyway: nothing may outlive the program.
      if (guard && (!closed || !guard->testAttribute(Qt::WA_DeleteOnClose))) guard->deleteLater();
    }
  }
  // Without a running event loop this does nothing; start-up then returns
  // false and main() ends.
  QCoreApplication::exit(0);
}

void HideFarewell() {
  if (FrmFarewell* farewell = Windows::FarewellIfLoaded()) farewell->hide();
}
