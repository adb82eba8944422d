#include "app/compute.h"

#include "app/frmmain.h"
#include "app/validation.h"
#include "app/windows.h"
#include "report/frmdisplay.h"
#include "report/reading.h"

void RunCompatibilityCommand() {
  if (!ValidateInput()) return;

  FrmMain* input = Windows::Main();
  const auto reading = MakeReading(input->UserInput(), input->PartnerInput());
  // The input check keeps every date without a calendar row away from here.
  if (!reading) return;

  FrmDisplay* report = Windows::Report();
  report->ShowReading(*reading);
  report->show();
  input->hide();
}
