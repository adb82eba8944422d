#include "astro/catalogue.h"

#include <QTest>

#include <array>
#include <string>

Q_DECLARE_METATYPE(SignName)

namespace {

using enum SignName;

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The ten short values of each sign exactly as they must read, in fill order:
// CompatibleSigns, LuckyColorMale, LuckyColorFemale, Polarity, RulingDeity,
// Keywords, Role, SacredAnimal, Appearance, ZodiacSign.
struct ShortValues {
  SignName sign;
  std::array<const char*, 10> values;
};

const ShortValues Expected[SignCount] = {
  {TheNile, {"Amon-Ra and Seth", "Deep red", "Deep blue", "Feminine", "Nile",
             "Peace loving, Practical and Logical minded", "The goddess of who saved the Nile", "Antelope",
             "A woman with antelope horns", "Capricorn"}},
  {AmonRa, {"The Nile and Horus", "Yellow", "Orange", "Masculine", "Amon-Ra", "Generous, Fruitful and Helpful",
            "The god of Creation", "Ram and Goose",
            "A man with blue skin wearing a crown having double feather plumes", "Taurus"}},
  {Mut, {"Amon-Ra and Thoth", "Brown", "Red carmine", "Feminine", "Mut", "Ironic", "The Creator goddess",
         "Vulture", "A woman with the wings of a vulture", "Scorpio"}},
  {Geb, {"Seth and Horus", "Violet Ochre", "Rose", "Masculine", "Geb", "Sensitive, Proud and Modest",
         "The god of the Earth", "Goose", "A man with green skin wearing leaves and with a goose over his head",
         "Aquarius"}},
  {Osiris, {"Isis and Thoth", "Yellow", "Green", "Masculine", "Osiris", "Dual Personality and Indecisive",
            "The god of after life", "Bull", "A mummy like green skinned man", "Aries"}},
  {Isis, {"Osiris and Thoth", "White", "Blue", "Feminine", "Isis", "Active, Confident, Respectable and Outspoken",
          "The goddess of Motherhood.", "Ram", "A woman wearing the hieroglyph on her head", "Pisces"}},
  {Thoth, {"Isis and Bastet", "Rose", "White", "Masculine", "Thoth", "Kind, Enthusiastic and Brave",
           "The god of Wisdom", "Baboon and Ibis", "A baboon or an ibis headed man", "Virgo"}},
  {Horus, {"Geb and Bastet", "Red carmine", "Gold", "Feminine", "Horus", "Witty, Powerful will and Impatient",
           "The god of Pharaoh", "Snake", "A man falcon headed man", "Libra"}},
  {Anubis, {"Bastet and Isis", "Sienna", "Crimson", "Masculine", "Anubis",
            "Cunning, Clever, Sympathetic and Persevering", "The god of Death", "Jackal", "A jackal headed man",
            "Leo"}},
  {Seth, {"Geb and The Nile", "Turquoise", "Black", "Feminine", "Seth", "Irrational and Perfectionist",
          "The god of Evil", "The legendary 'Seth' animal",
          "Sometimes seen as a pig or a hippopotamus, a man with a donkey head", "Gemini"}},
  {Bastet, {"Horus and Sekhmet", "Yellow Ochre", "Grey", "Feminine", "Bastet", "Anxious and Balanced",
            "The goddess of Cats", "Cat", "A cat headed woman", "Cancer"}},
  {Sekhmet, {"Geb and Bastet", "Green", "Turquoise", "Masculine", "Sekhmet",
             "Intelligent, Observant and Authoritative", "The goddess of War", "Lion", "A lion headed woman",
             "Sagittarius"}},
};

struct Prose {
  SignName sign;
  const char* deityOpening;
  int deityLength;
  const char* peopleOpening;
  int peopleLength;
};

const Prose ExpectedProse[SignCount] = {
  {TheNile, "It is known by all of us that the river Nile is", 304,
   "The Nile people are generally famous as being peace lovers and makers.", 534},
  {AmonRa, "The principal god of Egypt is Ra - who signifies the wheel", 286,
   "People born under Ra are known to be generous and are often", 646},
  {Mut, "Mut is one of the age old goddess of the Egyptian community.", 347,
   "The Mut people are basically inclined towards the melancholy of life.", 664},
  {Geb, "The rising wet clouds gave birth to the god of Earth", 327,
   "The Geb people are well known for their strong memory.", 596},
  {Osiris, "According to the Egyptians, Osiris came into existence during the period of", 291,
   "Osiris people are generally double personality people.", 317},
  {Isis, "The supreme messenger of life, Isis is always on the search", 315,
   "Isis people are known to be very hospitable.", 393},
  {Thoth, "Thoth the bird-god is quite modest.", 289,
   "Thoth people are basically innocent type and have a very good", 681},
  {Horus, "Horus is the vengeful bird god.", 343,
   "Horus people are people who have very strong will and are determined", 589},
  {Anubis, "Anubis symbolizes the head of a wild dog.", 230,
   "The Anubis people are very clever and full of concern.", 724},
  {Seth, "The god of solitude is Seth as per the Egyptian religion.", 319,
   "The Seth people always seek changes in life.", 617},
  {Bastet, "Bastet is the goddess who has the body of a woman and", 382,
   "The Bastet people are always on the search out of harmony,", 649},
  {Sekhmet, "The Sekhmet is known to be the symbol of the 'good order,", 301,
   "The Sekhmet people can be extremes.", 492},
};

std::array<const std::string*, 10> ShortFields(const SignRecord& r) {
  return {&r.CompatibleSigns, &r.LuckyColorMale, &r.LuckyColorFemale, &r.Polarity, &r.RulingDeity,
          &r.Keywords,        &r.Role,           &r.SacredAnimal,     &r.Appearance, &r.ZodiacSign};
}

std::array<const std::string*, 12> AllFields(const SignRecord& r) {
  return {&r.CompatibleSigns, &r.LuckyColorMale, &r.LuckyColorFemale, &r.Polarity,
          &r.RulingDeity,     &r.Keywords,       &r.Role,             &r.SacredAnimal,
          &r.Appearance,      &r.ZodiacSign,     &r.DeityDescription, &r.PeopleCharacteristics};
}

const char* const FieldNames[12] = {"CompatibleSigns", "LuckyColorMale", "LuckyColorFemale", "Polarity",
                                    "RulingDeity",     "Keywords",       "Role",             "SacredAnimal",
                                    "Appearance",      "ZodiacSign",     "DeityDescription", "PeopleCharacteristics"};

QString Name(SignName sign) { return QString::fromLatin1(SignDisplayName(sign).data(), SignDisplayName(sign).size()); }

}  // namespace

class TestCatalogue : public QObject {
  Q_OBJECT
 private slots:
  // Must stay the first test: the current record lives for the whole process,
  // and every later test fills it.
  void emptyBeforeFirstFill() {
    const SignRecord& current = CurrentSignRecord();
    for (const std::string* field : AllFields(current)) QVERIFY(field->empty());
  }

  void shortValuesReadExactly_data() {
    QTest::addColumn<SignName>("sign");
    for (const ShortValues& expected : Expected) QTest::addRow("%s", qPrintable(Name(expected.sign))) << expected.sign;
  }
  void shortValuesReadExactly() {
    QFETCH(SignName, sign);
    const ShortValues* expected = nullptr;
    for (const ShortValues& candidate : Expected) {
      if (candidate.sign == sign) expected = &candidate;
    }
    QVERIFY(expected);
    FillSignRecord(sign);
    const auto fields = ShortFields(CurrentSignRecord());
    for (std::size_t i = 0; i < fields.size(); ++i) {
      QVERIFY2(Text(*fields[i]) == QLatin1String(expected->values[i]), FieldNames[i]);
    }
  }

  // A fill must overwrite all twelve fields, whatever was there before.
  void fillReplacesEveryField() {
    for (SignName first : AllSigns) {
      for (SignName second : AllSigns) {
        FillSignRecord(first);
        FillSignRecord(second);
        const auto now = AllFields(CurrentSignRecord());
        const SignRecord wanted = CatalogueEntry(second);
        const auto expected = AllFields(wanted);
        for (std::size_t i = 0; i < now.size(); ++i) {
          if (*now[i] != *expected[i]) {
            QFAIL(qPrintable(QString("%1 after %2 then %3").arg(FieldNames[i], Name(first), Name(second))));
          }
        }
      }
    }
  }

  void sameSignGivesSameRecordForUserAndPartner() {
    for (SignName sign : AllSigns) {
      FillSignRecord(sign);
      const SignRecord user = CurrentSignRecord();
      FillSignRecord(sign == Anubis ? Mut : Anubis);
      FillSignRecord(sign);
      QVERIFY2(CurrentSignRecord() == user, qPrintable(Name(sign)));
    }
  }

  void theNileIsRuledByNile() {
    FillSignRecord(TheNile);
    QCOMPARE(Text(CurrentSignRecord().RulingDeity), QString("Nile"));
  }

  void onlyIsisRoleEndsWithFullStop() {
    for (SignName sign : AllSigns) {
      const SignRecord record = CatalogueEntry(sign);
      const auto fields = ShortFields(record);
      for (std::size_t i = 0; i < fields.size(); ++i) {
        const bool endsWithStop = !fields[i]->empty() && fields[i]->back() == '.';
        const bool isIsisRole = sign == Isis && fields[i] == &record.Role;
        QVERIFY2(endsWithStop == isIsisRole, qPrintable(Name(sign) + " " + FieldNames[i]));
      }
    }
  }

  void proseOpensAndMeasuresRight_data() {
    QTest::addColumn<SignName>("sign");
    QTest::addColumn<bool>("deity");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("length");
    for (const Prose& p : ExpectedProse) {
      QTest::addRow("%s deity", qPrintable(Name(p.sign))) << p.sign << true << QString(p.deityOpening) << p.deityLength;
      QTest::addRow("%s people", qPrintable(Name(p.sign)))
          << p.sign << false << QString(p.peopleOpening) << p.peopleLength;
    }
  }
  void proseOpensAndMeasuresRight() {
    QFETCH(SignName, sign);
    QFETCH(bool, deity);
    QFETCH(QString, opening);
    QFETCH(int, length);
    FillSignRecord(sign);
    const QString text = Text(deity ? CurrentSignRecord().DeityDescription : CurrentSignRecord().PeopleCharacteristics);
    QVERIFY(text.startsWith(opening));
    QCOMPARE(text.size(), length);
    // One paragraph of plain printable text.
    for (QChar c : text) QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7f, "not plain printable ASCII");
    QVERIFY(!text.contains(QLatin1String("  ")));
  }

  void onlyAnubisDeityPassageEndsWithBlank() {
    for (SignName sign : AllSigns) {
      const SignRecord record = CatalogueEntry(sign);
      const auto fields = AllFields(record);
      for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string& value = *fields[i];
        const QString where = Name(sign) + " " + FieldNames[i];
        QVERIFY2(!value.empty() && value.front() != ' ', qPrintable(where));
        if (sign == Anubis && fields[i] == &record.DeityDescription) {
          QVERIFY2(value.ends_with(". ") && !value.ends_with("  "), qPrintable(where));
        } else {
          QVERIFY2(value.back() != ' ', qPrintable(where));
        }
      }
    }
  }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
