#include "app/validation.h"

#include "app/frmmain.h"
#include "app/windows.h"
#include "astro/calendar.h"
#include "ui/messages.h"

#include <limits>

namespace {
// The calendar decides which dates exist. Positions beyond what its 16-bit
// positions hold cannot come from a pick and are no date either.
bool HasSign(int monthPosition, int dayPosition) {
  constexpr int Low = std::numeric_limits<std::int16_t>::min();
  constexpr int High = std::numeric_limits<std::int16_t>::max();
  if (monthPosition < Low || monthPosition > High || dayPosition < Low || dayPosition > High) return false;
  return FindSign(static_cast<std::int16_t>(monthPosition), static_cast<std::int16_t>(dayPosition)).has_value();
}
}  // namespace

InputCheck CheckInput(bool userNameEmpty, bool partnerNameEmpty, int userMonth, int userDay, int partnerMonth,
                      int partnerDay) {
  if (userNameEmpty) return InputCheck::UserNameEmpty;
  if (partnerNameEmpty) return InputCheck::PartnerNameEmpty;
  if (!HasSign(userMonth, userDay)) return InputCheck::UserDateImpossible;
  if (!HasSign(partnerMonth, partnerDay)) return InputCheck::PartnerDateImpossible;
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
      Messages::Information(form, QStringLiteral("Please Enter Your Name!"));
      form->FocusUserName();
      return false;
    case InputCheck::PartnerNameEmpty:
      Messages::Information(form, QStringLiteral("Please Enter Your Partner's Name!"));
      form->FocusPartnerName();
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
