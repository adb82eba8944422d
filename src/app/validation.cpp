#include "app/validation.h"

#include "app/frmmain.h"
#include "app/windows.h"
#include "astro/calendar.h"
#include "ui/messages.h"

#include <QCoreApplication>

InputCheck CheckInput(bool userNameEmpty, bool partnerNameEmpty, int userMonth, int userDay, int partnerMonth,
                      int partnerDay) {
  if (userNameEmpty) return InputCheck::UserNameEmpty;
  if (partnerNameEmpty) return InputCheck::PartnerNameEmpty;
  // The calendar decides which dates exist.
  if (!FindSignAt(userMonth, userDay)) return InputCheck::UserDateImpossible;
  if (!FindSignAt(partnerMonth, partnerDay)) return InputCheck::PartnerDateImpossible;
  return InputCheck::Passed;
}

bool ValidateInput() {
  FrmMain* form = Windows::Main();
  const PersonInput user = form->UserInput();
  const PersonInput partner = form->PartnerInput();
  const InputCheck failed = CheckInput(user.name.isEmpty(), partner.name.isEmpty(), user.monthPosition,
                                       user.dayPosition, partner.monthPosition, partner.dayPosition);
  switch (failed) {
    case InputCheck::Passed:
      return true;
    case InputCheck::UserNameEmpty:
      Messages::Information(form, QCoreApplication::translate("Validation", "Please Enter Your Name!"));
      form->FocusUserName();
      return false;
    case InputCheck::PartnerNameEmpty:
      Messages::Information(form, QCoreApplication::translate("Validation", "Please Enter Your Partner's Name!"));
      form->FocusPartnerName();
      return false;
    case InputCheck::UserDateImpossible:
      Messages::Information(form, QCoreApplication::translate("Validation", "Please Enter Your Correct Date Of Birth !"));
      return false;
    case InputCheck::PartnerDateImpossible:
      Messages::Information(
          form, QCoreApplication::translate("Validation", "Please Enter Correct Date Of Birth Of Your Partner !"));
      return false;
  }
  return false;
}
