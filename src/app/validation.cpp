#include "app/validation.h"

#include "app/frmmain.h"
#include "ui/messages.h"
#include "app/windows.h"

#include <QComboBox>
#include <QLineEdit>

bool IsImpossibleDate(int monthPosition, int dayPosition) {
  // Positions off the lists cannot come from a pick, but they have no sign
  // either, so they must never reach the calendar.
  if (monthPosition < 0 || monthPosition > 11 || dayPosition < 0 || dayPosition > 30) return true;
  switch (monthPosition) {
    case 1:  // February
      return dayPosition >= 29;
    case 3:   // April
    case 5:   // June
    case 8:   // September
    case 10:  // November
      return dayPosition == 30;
    default:
      return false;
  }
}

InputCheck CheckInput(bool userNameEmpty, bool partnerNameEmpty, int userMonth, int userDay, int partnerMonth,
                      int partnerDay) {
  if (userNameEmpty) return InputCheck::UserNameEmpty;
  if (partnerNameEmpty) return InputCheck::PartnerNameEmpty;
  if (IsImpossibleDate(userMonth, userDay)) return InputCheck::UserDateImpossible;
  if (IsImpossibleDate(partnerMonth, partnerDay)) return InputCheck::PartnerDateImpossible;
  return InputCheck::Passed;
}

bool ValidateInput() {
  FrmMain* form = SharedWindow<FrmMain>::Get();
  const InputCheck failed =
      CheckInput(form->txtName()->text().isEmpty(), form->txtPartnerName()->text().isEmpty(),
                 form->cmbMonth()->currentIndex(), form->cmbDate()->currentIndex(),
                 form->cmbPartnerMonth()->currentIndex(), form->cmbPartnerDate()->currentIndex());
  switch (failed) {
    case InputCheck::Passed:
      return true;
    case InputCheck::UserNameEmpty:
      Messages::Information(form, QStringLiteral("Please Enter Your Name!"));
      form->txtName()->setFocus();
      return false;
    case InputCheck::PartnerNameEmpty:
      Messages::Information(form, QStringLiteral("Please Enter Your Partner's Name!"));
      form->txtPartnerName()->setFocus();
      return false;
    case InputCheck::UserDateImpossible:
      Messages::Information(form, QStringLiteral("Please Enter Your Correct Date Of Birth !"));
      return false;
    case InputCheck::PartnerDateImpossible:
      Messages::Information(form, QStringLiteral("Please Enter Correct Date Of Birth Of Your Partner !"));
      return false;
  }
  return false;
}
