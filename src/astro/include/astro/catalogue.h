#pragma once

#include "astro/calendar.h"

#include <string>
#include <string_view>

// The twelve attributes of one sign, in the order a fill writes them.
struct SignRecord {
  std::string CompatibleSigns;
  std::string LuckyColorMale;
  std::string LuckyColorFemale;
  std::string Polarity;
  std::string RulingDeity;
  std::string Keywords;
  std::string Role;
  std::string SacredAnimal;
  std::string Appearance;
  std::string ZodiacSign;
  std::string DeityDescription;
  std::string PeopleCharacteristics;
  friend bool operator==(const SignRecord&, const SignRecord&) = default;
};

// The sign's twelve fixed values, as a record of its own.
SignRecord FillSignRecord(SignName sign);
