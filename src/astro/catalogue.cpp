#include "astro/catalogue.h"

#include <array>

namespace {

struct CatalogueRow {
  std::string_view CompatibleSigns;
  std::string_view LuckyColorMale;
  std::string_view LuckyColorFemale;
  std::string_view Polarity;
  std::string_view RulingDeity;
  std::string_view Keywords;
  std::string_view Role;
  std::string_view SacredAnimal;
  std::string_view Appearance;
  std::string_view ZodiacSign;
  std::string_view DeityDescription;
  std::string_view PeopleCharacteristics;
};

// In sign order: Amon-Ra, Anubis, Bastet, Geb, Horus, Isis, Mut, The Nile,
// Osiris, Sekhmet, Seth, Thoth.
constexpr std::array<CatalogueRow, SignCount> Catalogue{{
  {"The Nile and Horus", "Yellow", "Orange", "Masculine", "Amon-Ra", "Generous, Fruitful and Helpful",
   "The god of Creation", "Ram and Goose", "A man with blue skin wearing a crown having double feather plumes",
   "Taurus", "", ""},
  {"Bastet and Isis", "Sienna", "Crimson", "Masculine", "Anubis", "Cunning, Clever, Sympathetic and Persevering",
   "The god of Death", "Jackal", "A jackal headed man", "Leo", "", ""},
  {"Horus and Sekhmet", "Yellow Ochre", "Grey", "Feminine", "Bastet", "Anxious and Balanced",
   "The goddess of Cats", "Cat", "A cat headed woman", "Cancer", "", ""},
  {"Seth and Horus", "Violet Ochre", "Rose", "Masculine", "Geb", "Sensitive, Proud and Modest",
   "The god of the Earth", "Goose", "A man with green skin wearing leaves and with a goose over his head",
   "Aquarius", "", ""},
  {"Geb and Bastet", "Red carmine", "Gold", "Feminine", "Horus", "Witty, Powerful will and Impatient",
   "The god of Pharaoh", "Snake", "A man falcon headed man", "Libra", "", ""},
  {"Osiris and Thoth", "White", "Blue", "Feminine", "Isis", "Active, Confident, Respectable and Outspoken",
   "The goddess of Motherhood.", "Ram", "A woman wearing the hieroglyph on her head", "Pisces", "", ""},
  {"Amon-Ra and Thoth", "Brown", "Red carmine", "Feminine", "Mut", "Ironic",
   "The Creator goddess", "Vulture", "A woman with the wings of a vulture", "Scorpio", "", ""},
  {"Amon-Ra and Seth", "Deep red", "Deep blue", "Feminine", "Nile", "Peace loving, Practical and Logical minded",
   "The goddess of who saved the Nile", "Antelope", "A woman with antelope horns", "Capricorn", "", ""},
  {"Isis and Thoth", "Yellow", "Green", "Masculine", "Osiris", "Dual Personality and Indecisive",
   "The god of after life", "Bull", "A mummy like green skinned man", "Aries", "", ""},
  {"Geb and Bastet", "Green", "Turquoise", "Masculine", "Sekhmet", "Intelligent, Observant and Authoritative",
   "The goddess of War", "Lion", "A lion headed woman", "Sagittarius", "", ""},
  {"Geb and The Nile", "Turquoise", "Black", "Feminine", "Seth", "Irrational and Perfectionist",
   "The god of Evil", "The legendary 'Seth' animal", "Sometimes seen as a pig or a hippopotamus, a man with a donkey head",
   "Gemini", "", ""},
  {"Isis and Bastet", "Rose", "White", "Masculine", "Thoth", "Kind, Enthusiastic and Brave",
   "The god of Wisdom", "Baboon and Ibis", "A baboon or an ibis headed man", "Virgo", "", ""},
}};

SignRecord& Current() {
  static SignRecord record;
  return record;
}

}  // namespace

SignRecord CatalogueEntry(SignName sign) {
  const CatalogueRow& row = Catalogue[static_cast<std::size_t>(sign)];
  return SignRecord{std::string(row.CompatibleSigns), std::string(row.LuckyColorMale),
                    std::string(row.LuckyColorFemale), std::string(row.Polarity),
                    std::string(row.RulingDeity), std::string(row.Keywords),
                    std::string(row.Role), std::string(row.SacredAnimal),
                    std::string(row.Appearance), std::string(row.ZodiacSign),
                    std::string(row.DeityDescription), std::string(row.PeopleCharacteristics)};
}

const SignRecord& CurrentSignRecord() { return Current(); }

void FillSignRecord(SignName sign) { Current() = CatalogueEntry(sign); }
