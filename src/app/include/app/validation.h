#pragma once

#include "astro/calendar.h"
#include "report/reading.h"

#include <variant>

// A check of the main window's input that failed.
enum class InputFault {
  UserNameEmpty,
  PartnerNameEmpty,
  UserDateImpossible,
  PartnerDateImpossible,
};

// Both people's signs, found once for the whole compute.
struct InputSigns {
  SignMatch user;
  SignMatch partner;
};

// The checks in their fixed order: the first that fails, or both signs when
// none does. A name counts as empty only when it has no characters at all; a
// date is possible when the sign calendar has a row for it (29 February
// always has one).
std::variant<InputFault, InputSigns> CheckInput(const PersonInput& user, const PersonInput& partner);
