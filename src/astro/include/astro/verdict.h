#pragma once

#include "astro/calendar.h"
#include "astro/translatable.h"

#include <string_view>

inline constexpr std::string_view VerdictCompatible = ENGINE_TEXT("Verdict", "You both are very highly compatible");
inline constexpr std::string_view VerdictNotCompatible = ENGINE_TEXT("Verdict", "You both are not very compatible");

// Directed: the user's sign picks the row, so the answer may differ when swapped.
std::string_view DecideCompatibility(SignName userSign, SignName partnerSign);

// The two partner signs that please a user of this sign.
std::array<SignName, 2> FavourablePartners(SignName userSign);
