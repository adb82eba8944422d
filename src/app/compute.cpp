#include "app/compute.h"

#include "app/frmmain.h"
#include "app/validation.h"
#include "app/windows.h"
#include "report/frmdisplay.h"
#include "ui/messages.h"

#include <QCoreApplication>

namespace {

void Refuse(FrmMain* input, InputFault fault) {
  switch (fault) {
    case InputFault::UserNameEmpty:
      Messages::Information(input, QCoreApplication::translate("Validation", "Please Enter Your Name!"));
      input->FocusUserName();
      return;
    case InputFault::PartnerNameEmpty:
      Messages::Information(input, QCoreApplication::translate("Validation", "Please Enter Your Partner's Name!"));
      input->FocusPartnerName();
      return;
    case InputFault::UserDateImpossible:
      Messages::Information(input, QCoreApplication::translate("Validation", "Please Enter Your Correct Date Of Birth !"));
      return;
    case InputFault::PartnerDateImpossible:
      Messages::Information(input, QCoreApplication::translate("Validation", "Please Enter Correct Date Of Birth Of Your Partner !"));
      return;
  }
}

}  // namespace

void RunCompatibilityCommand(FrmMain* input, const PersonInput& user, const PersonInput& partner) {
  const auto checked = CheckInput(user, partner);
  if (const auto* fault = std::get_if<InputFault>(&checked)) {
    Refuse(input, *fault);
    return;
  }
  const auto& signs = std::get<InputSigns>(checked);
  const Reading reading = MakeReading(user, signs.user, partner, signs.partner);

  FrmDisplay* report = Windows::Report();
  report->ShowReading(reading);
  report->show();
  input->hide();
}
