#include "app/validation.h"

std::variant<InputFault, InputSigns> CheckInput(const PersonInput& user, const PersonInput& partner) {
  if (user.name.isEmpty()) return InputFault::UserNameEmpty;
  if (partner.name.isEmpty()) return InputFault::PartnerNameEmpty;
  // The calendar decides which dates exist.
  const auto userSign = FindSignAt(user.monthPosition, user.dayPosition);
  if (!userSign) return InputFault::UserDateImpossible;
  const auto partnerSign = FindSignAt(partner.monthPosition, partner.dayPosition);
  if (!partnerSign) return InputFault::PartnerDateImpossible;
  return InputSigns{*userSign, *partnerSign};
}
