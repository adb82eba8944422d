#pragma once

#include <QList>

class FrmAbout;
class FrmDisplay;
class FrmFarewell;
class FrmMain;
class QWidget;

// The one place that knows the program's windows. Each is one shared
// instance, created (loaded) on first use and destroyed when unloaded
// (closed with WA_DeleteOnClose). Load order is kept for the shutdown.
namespace Windows {

// What answers the windows' requests (compute, exit, Back) sits above this
// registry, so it is handed in: each window is passed to its hook once, as
// it is loaded, before anything can show it.
struct Wiring {
  void (*main)(FrmMain*) = nullptr;
  void (*report)(FrmDisplay*) = nullptr;
  void (*farewell)(FrmFarewell*) = nullptr;
};
void SetWiring(const Wiring& wiring);

FrmMain* Main();
FrmMain* MainIfLoaded();
// Shows the main window (loading it on first use), modeless; nothing once
// shutdown has begun.
void ShowMain();

// The report window. Loading it takes the one built ahead in idle time
// when that is ready, or builds one now; either way its views are empty.
FrmDisplay* Report();
FrmDisplay* ReportIfLoaded();

FrmFarewell* Farewell();
FrmFarewell* FarewellIfLoaded();

FrmAbout* About();
FrmAbout* AboutIfLoaded();
// Shows the about box modally and returns when it is closed; closing
// unloads it, so every opening loads it fresh.
void ShowAbout();

// The loaded windows, oldest first. A report window built ahead and not yet
// used is not loaded and not among them.
QList<QWidget*> InLoadOrder();
// Counts a window of a test's own as loaded, after those loaded before it.
void AddLoaded(QWidget* window);

// Builds the next report window once the program is idle, unless one is
// loaded or ready. The bench waits for it with NextReportReady().
void PrepareNextReport();
bool NextReportReady();

// Set once shutdown has begun; no window is shown after that, and the
// report window built ahead is dropped.
bool ShutdownBegun();
void MarkShutdownBegun();

// Test support: forget the shutdown flag and drop the report window built ahead.
void ResetForTests();

}  // namespace Windows
