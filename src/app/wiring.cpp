#include "app/wiring.h"

#include "app/compute.h"
#include "app/exit.h"
#include "app/frmmain.h"
#include "app/windows.h"
#include "report/frmdisplay.h"
#include "web/frmfarewell.h"

#include <QPointer>

namespace {

// Back: show the main window, unload the report window, and hide the
// farewell window its unload brought up.
void GoBack(FrmDisplay* report) {
  QPointer<FrmDisplay> guard(report);
  Windows::ShowMain();
  if (guard) guard->close();
  HideFarewell();
  Windows::PrepareNextReport();
}

void WireMain(FrmMain* input) {
  QObject::connect(input, &FrmMain::computeRequested, input,
                   [input](const PersonInput& user, const PersonInput& partner) {
                     RunCompatibilityCommand(input, user, partner);
                   });
  QObject::connect(input, &FrmMain::aboutRequested, input, [] { Windows::ShowAbout(); });
  QObject::connect(input, &FrmMain::unloading, input, [input] { BeginExit(input); });
}

void WireReport(FrmDisplay* report) {
  QObject::connect(report, &FrmDisplay::backRequested, report, [report] { GoBack(report); });
  QObject::connect(report, &FrmDisplay::exitRequested, report, [report] {
    QPointer<FrmDisplay> guard(report);
    BeginExit(report);
    if (guard) guard->close();
  });
  QObject::connect(report, &FrmDisplay::aboutRequested, report, [] { Windows::ShowAbout(); });
  QObject::connect(report, &FrmDisplay::unloading, report, [report] { BeginExit(report); });
}

void WireFarewell(FrmFarewell* farewell) {
  QObject::connect(farewell, &FrmFarewell::endRequested, farewell, [] { CloseAllAndEnd(); });
}

}  // namespace

void WireWindows() { Windows::SetWiring({WireMain, WireReport, WireFarewell}); }
