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

// The single current record shared by both persons; empty until the first fill.
const SignRecord& CurrentSignRecord();

// Replaces every field of the current record with the sign's fixed values.
void FillSignRecord(SignName sign);

// The fixed values of one sign, without touching the current record.
SignRecord CatalogueEntry(SignName sign);
