#pragma once

// Which check of the main window's input failed first, if any.
enum class InputCheck {
  Passed,
  UserNameEmpty,
  PartnerNameEmpty,
  UserDateImpossible,
  PartnerDateImpossible,
};

// The checks in their fixed order; the first that fails is returned. A name
// counts as empty only when it has no characters at all; a date is possible
// when the sign calendar has a row for it (29 February always has one).
InputCheck CheckInput(bool userNameEmpty, bool partnerNameEmpty, int userMonth, int userDay, int partnerMonth,
                      int partnerDay);

// Checks the main window's names and dates. On failure shows the one message,
// moves the focus to the empty name box, and returns false.
bool ValidateInput();
