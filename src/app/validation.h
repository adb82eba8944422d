#pragma once

// Which check of the main window's input failed first, if any.
enum class InputCheck {
  Passed,
  UserNameEmpty,
  PartnerNameEmpty,
  UserDateImpossible,
  PartnerDateImpossible,
};

// True for a month/day list position pair that is no date: 30 and 31
// February, the 31st of a thirty-day month, or a position off the lists.
// There is no leap-year rule: 29 February is always a date.
bool IsImpossibleDate(int monthPosition, int dayPosition);

// The checks in their fixed order; the first that fails is returned. A name
// counts as empty only when it has no characters at all.
InputCheck CheckInput(bool userNameEmpty, bool partnerNameEmpty, int userMonth, int userDay, int partnerMonth,
                      int partnerDay);

// Checks the main window's names and dates. On failure shows the one message,
// moves the focus to the empty name box, and returns false.
bool ValidateInput();
