#include "astro/catalogue.h"

#include "astro/translatable.h"

#include <array>
#include <cstddef>
#include <string_view>

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
  // Amon-Ra
  {ENGINE_TEXT("Catalogue", "The Nile and Horus"), ENGINE_TEXT("Catalogue", "Yellow"), ENGINE_TEXT("Catalogue", "Orange"), ENGINE_TEXT("Catalogue", "Masculine"), ENGINE_TEXT("Catalogue", "Amon-Ra"),
   ENGINE_TEXT("Catalogue", "Generous, Fruitful and Helpful"), ENGINE_TEXT("Catalogue", "The god of Creation"), ENGINE_TEXT("Catalogue", "Ram and Goose"),
   ENGINE_TEXT("Catalogue", "A man with blue skin wearing a crown having double feather plumes"), ENGINE_TEXT("Catalogue", "Taurus"),
   ENGINE_TEXT("Catalogue", "The principal god of Egypt is Ra - who signifies the wheel of the sun that crosses the sky "
   "each day. Joined with Amon, the hidden one of Thebes, he became Amon-Ra, king of the gods and "
   "creator of all things. He is shown as a blue skinned man in a crown of two plumes; the ram is "
   "sacred."),
   ENGINE_TEXT("Catalogue", "People born under Ra are known to be generous and are often the first to help a friend in "
   "need. They are natural leaders who inspire confidence, and their warmth and optimism draw many "
   "people to them. Fruitful in ideas and helpful in deeds, they work very hard and like to see "
   "their plans come to life. They are honest and expect the same from others. On the other side, "
   "they can be proud and find it hard to admit a mistake, and they may become stubborn when their "
   "authority is questioned. In relationships they are protective and faithful, and they give a "
   "lot of themselves. They need a partner who respects them and shares their zest for life.")},
  // Anubis
  {ENGINE_TEXT("Catalogue", "Bastet and Isis"), ENGINE_TEXT("Catalogue", "Sienna"), ENGINE_TEXT("Catalogue", "Crimson"), ENGINE_TEXT("Catalogue", "Masculine"), ENGINE_TEXT("Catalogue", "Anubis"),
   ENGINE_TEXT("Catalogue", "Cunning, Clever, Sympathetic and Persevering"), ENGINE_TEXT("Catalogue", "The god of Death"), ENGINE_TEXT("Catalogue", "Jackal"),
   ENGINE_TEXT("Catalogue", "A jackal headed man"), ENGINE_TEXT("Catalogue", "Leo"),
   ENGINE_TEXT("Catalogue", "Anubis symbolizes the head of a wild dog. He is the jackal headed guardian of tombs and the "
   "god of embalming, who prepared the body of Osiris. He led the dead into the hall of judgement "
   "and watched over the weighing of the heart. "),
   ENGINE_TEXT("Catalogue", "The Anubis people are very clever and full of concern. They care deeply for the people around "
   "them and notice when something is wrong. They are cunning in the best sense, thinking ahead "
   "and seeing through tricks and lies. Sympathetic and good listeners, they are the friends that "
   "others turn to in hard times. They persevere where others give up, and their patience brings "
   "success, late but sure. They like quiet and solitude and need time alone to gather their "
   "thoughts. Their weaknesses are a tendency to brood, to be secretive and to hold on to old "
   "grudges. In love they are intense and passionate, slow to commit but deeply faithful once they "
   "do. They need a partner who gives them space and who respects their silences.")},
  // Bastet
  {ENGINE_TEXT("Catalogue", "Horus and Sekhmet"), ENGINE_TEXT("Catalogue", "Yellow Ochre"), ENGINE_TEXT("Catalogue", "Grey"), ENGINE_TEXT("Catalogue", "Feminine"), ENGINE_TEXT("Catalogue", "Bastet"), ENGINE_TEXT("Catalogue", "Anxious and Balanced"),
   ENGINE_TEXT("Catalogue", "The goddess of Cats"), ENGINE_TEXT("Catalogue", "Cat"), ENGINE_TEXT("Catalogue", "A cat headed woman"), ENGINE_TEXT("Catalogue", "Cancer"),
   ENGINE_TEXT("Catalogue", "Bastet is the goddess who has the body of a woman and the head of a cat. Once a fierce "
   "lioness, she became the gentle guardian of the home, of women and children, and of music and "
   "joy. Her cats kept the granaries free of mice and snakes. At her city of Bubastis great "
   "festivals were held in her honour, and thousands of cats were mummified and buried there with "
   "great love and care."),
   ENGINE_TEXT("Catalogue", "The Bastet people are always on the search out of harmony, and they find it in a calm home, "
   "true and close friends and beautiful things. They are gentle, affectionate and charming, and "
   "they know how to make others feel welcome. Balanced and fair, they make good judges and "
   "peacemakers. Yet beneath the calm they often feel anxious, and they worry about things that "
   "may never happen. They have a strong intuition and a love of comfort and pleasure, which can "
   "make them a bit lazy at times. They are devoted to their families and loyal to their friends. "
   "In love they are sensual and tender, and they need a partner who makes them feel safe and "
   "valued.")},
  // Geb
  {ENGINE_TEXT("Catalogue", "Seth and Horus"), ENGINE_TEXT("Catalogue", "Violet Ochre"), ENGINE_TEXT("Catalogue", "Rose"), ENGINE_TEXT("Catalogue", "Masculine"), ENGINE_TEXT("Catalogue", "Geb"), ENGINE_TEXT("Catalogue", "Sensitive, Proud and Modest"),
   ENGINE_TEXT("Catalogue", "The god of the Earth"), ENGINE_TEXT("Catalogue", "Goose"),
   ENGINE_TEXT("Catalogue", "A man with green skin wearing leaves and with a goose over his head"), ENGINE_TEXT("Catalogue", "Aquarius"),
   ENGINE_TEXT("Catalogue", "The rising wet clouds gave birth to the god of Earth, Geb, son of Shu and Tefnut. He lies "
   "beneath the sky goddess Nut, his body forming the hills and valleys, and his laughter was said "
   "to cause earthquakes. Crops grew from his back. He is shown as a green skinned man wearing "
   "leaves with a goose on his head, the Great Cackler."),
   ENGINE_TEXT("Catalogue", "The Geb people are well known for their strong memory. They seldom forget a face, a kindness "
   "or an old injury. Sensitive and emotional, they feel the moods of others and are quick to "
   "offer comfort. They are proud of what they do but modest about it, and they never seek the "
   "spotlight. They love nature and often find peace outdoors. Their sensitivity can make them "
   "easily hurt, and they may withdraw when they feel misunderstood. They are honest and loyal, "
   "and make good friends who keep a secret. In love they are romantic and gentle, and they need a "
   "partner who is kind, reassuring and patient.")},
  // Horus
  {ENGINE_TEXT("Catalogue", "Geb and Bastet"), ENGINE_TEXT("Catalogue", "Red carmine"), ENGINE_TEXT("Catalogue", "Gold"), ENGINE_TEXT("Catalogue", "Feminine"), ENGINE_TEXT("Catalogue", "Horus"),
   ENGINE_TEXT("Catalogue", "Witty, Powerful will and Impatient"), ENGINE_TEXT("Catalogue", "The god of Pharaoh"), ENGINE_TEXT("Catalogue", "Snake"), ENGINE_TEXT("Catalogue", "A man falcon headed man"),
   ENGINE_TEXT("Catalogue", "Libra"),
   ENGINE_TEXT("Catalogue", "Horus is the vengeful bird god. Son of Isis and Osiris, he fought his uncle Seth for eighty "
   "years to avenge his father and win back the throne of Egypt. He lost an eye in the struggle, "
   "and the healed Eye of Horus became a charm of protection. Every pharaoh ruled as the living "
   "Horus. He is shown as a falcon or a man with the head of a falcon."),
   ENGINE_TEXT("Catalogue", "Horus people are people who have very strong will and are determined to reach their goals "
   "whatever the cost. They are courageous and ambitious, and they like to be at the centre of "
   "affairs. Witty and quick with words, they make good company and generous hosts. They are "
   "natural leaders who take responsibility and protect those who rely on them. Their impatience "
   "can make them hasty, and they may become bossy when others are slow. They hate to lose and "
   "seldom admit defeat. In love they are loyal and warm, and they need a partner who admires them "
   "but stands firm and keeps them grounded.")},
  // Isis
  {ENGINE_TEXT("Catalogue", "Osiris and Thoth"), ENGINE_TEXT("Catalogue", "White"), ENGINE_TEXT("Catalogue", "Blue"), ENGINE_TEXT("Catalogue", "Feminine"), ENGINE_TEXT("Catalogue", "Isis"),
   ENGINE_TEXT("Catalogue", "Active, Confident, Respectable and Outspoken"), ENGINE_TEXT("Catalogue", "The goddess of Motherhood."), ENGINE_TEXT("Catalogue", "Ram"),
   ENGINE_TEXT("Catalogue", "A woman wearing the hieroglyph on her head"), ENGINE_TEXT("Catalogue", "Pisces"),
   ENGINE_TEXT("Catalogue", "The supreme messenger of life, Isis is always on the search for what has been lost. She "
   "gathered the scattered body of her husband Osiris and raised her son Horus in hiding. Great in "
   "magic and healing, she was loved as the mother of all. She wears the throne hieroglyph on her "
   "head and spreads her wings to protect."),
   ENGINE_TEXT("Catalogue", "Isis people are known to be very hospitable. They are active and confident, and they speak "
   "their mind with frankness. They are respected for their energy and their sense of justice, and "
   "they protect those they love fiercely. Their outspoken manner can at times hurt others without "
   "meaning to. In love they are romantic and devoted, and they seek a partner who values family "
   "as much as they do.")},
  // Mut
  {ENGINE_TEXT("Catalogue", "Amon-Ra and Thoth"), ENGINE_TEXT("Catalogue", "Brown"), ENGINE_TEXT("Catalogue", "Red carmine"), ENGINE_TEXT("Catalogue", "Feminine"), ENGINE_TEXT("Catalogue", "Mut"), ENGINE_TEXT("Catalogue", "Ironic"), ENGINE_TEXT("Catalogue", "The Creator goddess"),
   ENGINE_TEXT("Catalogue", "Vulture"), ENGINE_TEXT("Catalogue", "A woman with the wings of a vulture"), ENGINE_TEXT("Catalogue", "Scorpio"),
   ENGINE_TEXT("Catalogue", "Mut is one of the age old goddess of the Egyptian community. Her name means 'mother', and she "
   "was honoured as the creator who gave birth to the world. As the wife of Amon-Ra at Thebes she "
   "protected the king and the land. She is shown as a woman wearing the wings of a vulture or the "
   "double crown of Egypt, and her great temple stood beside Karnak."),
   ENGINE_TEXT("Catalogue", "The Mut people are basically inclined towards the melancholy of life. They feel deeply and "
   "notice the sadness that others pass by, which makes them wise and caring companions. They have "
   "a strong sense of duty and make devoted parents and reliable friends. Their humour is dry and "
   "ironic, and they often use it to hide their true feelings. They are practical and organised, "
   "and they do well in work that needs patience and care for details. At times they can be moody, "
   "secretive and slow to forgive old hurts. In love they are generous and protective, and once "
   "they trust someone they stay faithful. They need a partner who is cheerful and patient with "
   "their moods.")},
  // The Nile
  {ENGINE_TEXT("Catalogue", "Amon-Ra and Seth"), ENGINE_TEXT("Catalogue", "Deep red"), ENGINE_TEXT("Catalogue", "Deep blue"), ENGINE_TEXT("Catalogue", "Feminine"), ENGINE_TEXT("Catalogue", "Nile"),
   ENGINE_TEXT("Catalogue", "Peace loving, Practical and Logical minded"), ENGINE_TEXT("Catalogue", "The goddess of who saved the Nile"), ENGINE_TEXT("Catalogue", "Antelope"),
   ENGINE_TEXT("Catalogue", "A woman with antelope horns"), ENGINE_TEXT("Catalogue", "Capricorn"),
   ENGINE_TEXT("Catalogue", "It is known by all of us that the river Nile is the source of life in Egypt. Its yearly flood "
   "was honoured as the gift of Hapi, who was shown as a plump man bearing food, and of Anuket, "
   "the goddess of the cataracts who wore a crown of antelope horns. She nourished the fields and "
   "the people on its banks."),
   ENGINE_TEXT("Catalogue", "The Nile people are generally famous as being peace lovers and makers. They dislike conflict "
   "and will go a very long way to calm a quarrel between friends. Practical and logical minded, "
   "they think before they act and rarely make hasty choices. They are passionate underneath their "
   "calm, and once they give their heart they are loyal for life. They can be shy with strangers "
   "and sometimes hide their feelings too well, so others may think them distant. In love they "
   "seek a partner who shares their wish for a quiet and harmonious home.")},
  // Osiris
  {ENGINE_TEXT("Catalogue", "Isis and Thoth"), ENGINE_TEXT("Catalogue", "Yellow"), ENGINE_TEXT("Catalogue", "Green"), ENGINE_TEXT("Catalogue", "Masculine"), ENGINE_TEXT("Catalogue", "Osiris"), ENGINE_TEXT("Catalogue", "Dual Personality and Indecisive"),
   ENGINE_TEXT("Catalogue", "The god of after life"), ENGINE_TEXT("Catalogue", "Bull"), ENGINE_TEXT("Catalogue", "A mummy like green skinned man"), ENGINE_TEXT("Catalogue", "Aries"),
   ENGINE_TEXT("Catalogue", "According to the Egyptians, Osiris came into existence during the period of creation as the "
   "first king of Egypt. Slain by his jealous brother Seth and brought back by Isis, he became "
   "lord of the afterlife and judge of the dead. He is shown as a green skinned mummy holding a "
   "crook and flail."),
   ENGINE_TEXT("Catalogue", "Osiris people are generally double personality people. One side is strong, bold and full of "
   "energy, while the other is vulnerable and gentle. They are independent and love a challenge, "
   "yet they often hesitate when a decision has to be made. In love they are passionate and "
   "generous, and need a partner who is patient.")},
  // Sekhmet
  {ENGINE_TEXT("Catalogue", "Geb and Bastet"), ENGINE_TEXT("Catalogue", "Green"), ENGINE_TEXT("Catalogue", "Turquoise"), ENGINE_TEXT("Catalogue", "Masculine"), ENGINE_TEXT("Catalogue", "Sekhmet"),
   ENGINE_TEXT("Catalogue", "Intelligent, Observant and Authoritative"), ENGINE_TEXT("Catalogue", "The goddess of War"), ENGINE_TEXT("Catalogue", "Lion"), ENGINE_TEXT("Catalogue", "A lion headed woman"),
   ENGINE_TEXT("Catalogue", "Sagittarius"),
   ENGINE_TEXT("Catalogue", "The Sekhmet is known to be the symbol of the 'good order,' and she guarded it fiercely. A "
   "lioness goddess of war, her breath was the hot desert wind. Ra sent her to punish mankind, and "
   "she was only stopped when she drank beer dyed red like blood. She also held the power to send "
   "plague and to cure it."),
   ENGINE_TEXT("Catalogue", "The Sekhmet people can be extremes. They are either calm or fierce, with little in between. "
   "Intelligent and observant, they notice every detail and judge situations quickly. They are "
   "authoritative and make natural leaders, and they are admired for their honesty. They work hard "
   "and expect the same from others, which can make them seem strict. They are quick to anger, but "
   "just as quick to forgive. In love they are passionate and protective, and they need a partner "
   "who is strong and honest.")},
  // Seth
  {ENGINE_TEXT("Catalogue", "Geb and The Nile"), ENGINE_TEXT("Catalogue", "Turquoise"), ENGINE_TEXT("Catalogue", "Black"), ENGINE_TEXT("Catalogue", "Feminine"), ENGINE_TEXT("Catalogue", "Seth"), ENGINE_TEXT("Catalogue", "Irrational and Perfectionist"),
   ENGINE_TEXT("Catalogue", "The god of Evil"), ENGINE_TEXT("Catalogue", "The legendary 'Seth' animal"),
   ENGINE_TEXT("Catalogue", "Sometimes seen as a pig or a hippopotamus, a man with a donkey head"), ENGINE_TEXT("Catalogue", "Gemini"),
   ENGINE_TEXT("Catalogue", "The god of solitude is Seth as per the Egyptian religion. Lord of the desert, storms and "
   "foreign lands, he murdered his brother Osiris and fought Horus for the throne. Yet he also "
   "stood at the prow of the boat of Ra, spearing the serpent Apophis at night. He is shown with "
   "the head of a strange beast with a long snout."),
   ENGINE_TEXT("Catalogue", "The Seth people always seek changes in life. They get bored with routine and love to try new "
   "places, ideas and challenges. They are perfectionists who set high standards for themselves "
   "and others, and they work hard to meet them. Their moods can be irrational and sudden, and "
   "they may act on impulse and regret it later. They are charming and communicative, and can talk "
   "their way through almost any situation. They dislike being told what to do and need freedom to "
   "grow and learn. In love they are passionate and full of surprises, and they need a partner who "
   "is patient, understanding and ready for a new adventure.")},
  // Thoth
  {ENGINE_TEXT("Catalogue", "Isis and Bastet"), ENGINE_TEXT("Catalogue", "Rose"), ENGINE_TEXT("Catalogue", "White"), ENGINE_TEXT("Catalogue", "Masculine"), ENGINE_TEXT("Catalogue", "Thoth"), ENGINE_TEXT("Catalogue", "Kind, Enthusiastic and Brave"),
   ENGINE_TEXT("Catalogue", "The god of Wisdom"), ENGINE_TEXT("Catalogue", "Baboon and Ibis"), ENGINE_TEXT("Catalogue", "A baboon or an ibis headed man"), ENGINE_TEXT("Catalogue", "Virgo"),
   ENGINE_TEXT("Catalogue", "Thoth the bird-god is quite modest. With the head of an ibis, or in the shape of a baboon, he "
   "is the god of wisdom, writing and the moon. He invented the hieroglyphs, kept the records of "
   "the gods and weighed the hearts of the dead beside Anubis. Scribes prayed to him before "
   "starting work."),
   ENGINE_TEXT("Catalogue", "Thoth people are basically innocent type and have a very good memory and a curious mind. They "
   "love to learn and are always ready to help others with their knowledge. Kind and enthusiastic, "
   "they bring energy to everything they do and cheer the people around them. They are brave when "
   "a friend needs them and do not shy away from a fair contest. They are inventive and good at "
   "solving problems, and often shine in writing, teaching or science. Their weakness is a "
   "tendency to trust too easily and to take on too many tasks at once. In relationships they are "
   "romantic and faithful, and they need a partner who shares their love of ideas and who can keep "
   "pace with their lively spirit.")},
}};

// How each passage must open and how long it must be, so that an edit that
// shortens or rewords a passage breaks the build instead of the report.
struct ProseShape {
  std::string_view deityOpening;
  std::size_t deityLength;
  std::string_view peopleOpening;
  std::size_t peopleLength;
};

constexpr std::array<ProseShape, SignCount> ProseShapes{{
  {"The principal god of Egypt is Ra - who signifies the wheel", 286,
   "People born under Ra are known to be generous and are often", 646},  // Amon-Ra
  {"Anubis symbolizes the head of a wild dog.", 230,
   "The Anubis people are very clever and full of concern.", 724},  // Anubis
  {"Bastet is the goddess who has the body of a woman and", 382,
   "The Bastet people are always on the search out of harmony,", 649},  // Bastet
  {"The rising wet clouds gave birth to the god of Earth", 327,
   "The Geb people are well known for their strong memory.", 596},  // Geb
  {"Horus is the vengeful bird god.", 343,
   "Horus people are people who have very strong will and are determined", 589},  // Horus
  {"The supreme messenger of life, Isis is always on the search", 315,
   "Isis people are known to be very hospitable.", 393},  // Isis
  {"Mut is one of the age old goddess of the Egyptian community.", 347,
   "The Mut people are basically inclined towards the melancholy of life.", 664},  // Mut
  {"It is known by all of us that the river Nile is", 304,
   "The Nile people are generally famous as being peace lovers and makers.", 534},  // The Nile
  {"According to the Egyptians, Osiris came into existence during the period of", 291,
   "Osiris people are generally double personality people.", 317},  // Osiris
  {"The Sekhmet is known to be the symbol of the 'good order,", 301,
   "The Sekhmet people can be extremes.", 492},  // Sekhmet
  {"The god of solitude is Seth as per the Egyptian religion.", 319,
   "The Seth people always seek changes in life.", 617},  // Seth
  {"Thoth the bird-god is quite modest.", 289,
   "Thoth people are basically innocent type and have a very good", 681},  // Thoth
}};

constexpr std::array<std::string_view CatalogueRow::*, 10> ShortFields{
  &CatalogueRow::CompatibleSigns, &CatalogueRow::LuckyColorMale, &CatalogueRow::LuckyColorFemale,
  &CatalogueRow::Polarity,        &CatalogueRow::RulingDeity,    &CatalogueRow::Keywords,
  &CatalogueRow::Role,            &CatalogueRow::SacredAnimal,   &CatalogueRow::Appearance,
  &CatalogueRow::ZodiacSign};

constexpr std::array<std::string_view CatalogueRow::*, 12> AllFields{
  &CatalogueRow::CompatibleSigns, &CatalogueRow::LuckyColorMale, &CatalogueRow::LuckyColorFemale,
  &CatalogueRow::Polarity,        &CatalogueRow::RulingDeity,    &CatalogueRow::Keywords,
  &CatalogueRow::Role,            &CatalogueRow::SacredAnimal,   &CatalogueRow::Appearance,
  &CatalogueRow::ZodiacSign,      &CatalogueRow::DeityDescription,
  &CatalogueRow::PeopleCharacteristics};

constexpr bool ProseHasExpectedOpenings() {
  for (std::size_t i = 0; i < Catalogue.size(); ++i) {
    if (!Catalogue[i].DeityDescription.starts_with(ProseShapes[i].deityOpening)) return false;
    if (!Catalogue[i].PeopleCharacteristics.starts_with(ProseShapes[i].peopleOpening)) return false;
  }
  return true;
}
static_assert(ProseHasExpectedOpenings(), "a prose passage lost its opening words");

constexpr bool ProseHasExpectedLengths() {
  for (std::size_t i = 0; i < Catalogue.size(); ++i) {
    if (Catalogue[i].DeityDescription.size() != ProseShapes[i].deityLength) return false;
    if (Catalogue[i].PeopleCharacteristics.size() != ProseShapes[i].peopleLength) return false;
  }
  return true;
}
static_assert(ProseHasExpectedLengths(), "a prose passage has the wrong length");

constexpr bool ShortFieldsAreThreeTo67Long() {
  for (const CatalogueRow& row : Catalogue) {
    for (auto field : ShortFields) {
      if ((row.*field).size() < 3 || (row.*field).size() > 67) return false;
    }
  }
  return true;
}
static_assert(ShortFieldsAreThreeTo67Long(), "a short value is outside 3 to 67 characters");

// The report writes each value as one paragraph line: printable ASCII only,
// no line break, no tab, no double blank.
constexpr bool IsOneCleanLine(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] < ' ' || text[i] > '~') return false;
    if (text[i] == ' ' && i + 1 < text.size() && text[i + 1] == ' ') return false;
  }
  return true;
}

constexpr bool EveryValueIsOneCleanLine() {
  for (const CatalogueRow& row : Catalogue) {
    for (auto field : AllFields) {
      if (!IsOneCleanLine(row.*field)) return false;
    }
  }
  return true;
}
static_assert(EveryValueIsOneCleanLine(),
              "a value holds a line break, a control character or a double blank");

// Only the Anubis deity passage keeps its blank after the last full stop.
constexpr bool OnlyAnubisDeityEndsInBlank() {
  for (std::size_t i = 0; i < Catalogue.size(); ++i) {
    for (auto field : AllFields) {
      const std::string_view text = Catalogue[i].*field;
      const bool trailingBlankAllowed =
          i == static_cast<std::size_t>(SignName::Anubis) && field == &CatalogueRow::DeityDescription;
      if (text.starts_with(' ')) return false;
      if (trailingBlankAllowed ? !text.ends_with(". ") : text.ends_with(' ')) return false;
    }
  }
  return true;
}
static_assert(OnlyAnubisDeityEndsInBlank(), "a value begins or ends with a blank it should not have");

}  // namespace

SignRecord FillSignRecord(SignName sign) {
  const CatalogueRow& row = Catalogue[static_cast<std::size_t>(sign)];
  return SignRecord{std::string(row.CompatibleSigns), std::string(row.LuckyColorMale),
                    std::string(row.LuckyColorFemale), std::string(row.Polarity),
                    std::string(row.RulingDeity), std::string(row.Keywords),
                    std::string(row.Role), std::string(row.SacredAnimal),
                    std::string(row.Appearance), std::string(row.ZodiacSign),
                    std::string(row.DeityDescription), std::string(row.PeopleCharacteristics)};
}
