#include "astro/verdict.h"

namespace {

using enum SignName;

// One row per sign, in sign order.
constexpr std::array<std::array<SignName, 2>, SignCount> Favourable{{
  {Horus, TheNile},    // Amon-Ra
  {Isis, Bastet},      // Anubis
  {Sekhmet, Horus},    // Bastet
  {Horus, Seth},       // Geb
  {Bastet, Geb},       // Horus
  {Thoth, Osiris},     // Isis
  {Thoth, AmonRa},     // Mut
  {Seth, AmonRa},      // The Nile
  {Thoth, Isis},       // Osiris
  {Bastet, Geb},       // Sekhmet
  {TheNile, Geb},      // Seth
  {Bastet, Isis},      // Thoth
}};

constexpr bool NoRowNamesItselfAnubisOrMut() {
  for (std::size_t i = 0; i < Favourable.size(); ++i) {
    for (SignName partner : Favourable[i]) {
      if (static_cast<std::size_t>(partner) == i || partner == Anubis || partner == Mut) return false;
    }
    if (Favourable[i][0] == Favourable[i][1]) return false;
  }
  return true;
}
static_assert(NoRowNamesItselfAnubisOrMut());

}  // namespace

std::array<SignName, 2> FavourablePartners(SignName userSign) {
  return Favourable[static_cast<std::size_t>(userSign)];
}

std::string_view DecideCompatibility(SignName userSign, SignName partnerSign) {
  const auto& row = Favourable[static_cast<std::size_t>(userSign)];
  return (partnerSign == row[0] || partnerSign == row[1]) ? VerdictCompatible : VerdictNotCompatible;
}
