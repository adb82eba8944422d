#include "astro/catalogue.h"

#include <QTest>

#include <string>

Q_DECLARE_METATYPE(SignName)

namespace {

using enum SignName;

QString Name(SignName sign) { return QString::fromLatin1(SignDisplayName(sign).data(), SignDisplayName(sign).size()); }

}  // namespace

class TestCatalogue : public QObject {
  Q_OBJECT
 private slots:
  void theNileIsRuledByNile() {
    QCOMPARE(QString::fromStdString(FillSignRecord(TheNile).RulingDeity), QString("Nile"));
  }

  // A passage cut short, run into the next or swapped with another shows here.
  void proseOpensAndMeasuresRight_data() {
    QTest::addColumn<SignName>("sign");
    QTest::addColumn<bool>("deity");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("length");
    struct Prose {
      SignName sign;
      const char* deityOpening;
      int deityLength;
      const char* peopleOpening;
      int peopleLength;
    };
    const Prose prose[SignCount] = {
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
      {Thoth, "Thoth the bird-god is quite modest.", 289, "Thoth people are basically innocent type and have a very good",
       681},
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
    for (const Prose& p : prose) {
      QTest::addRow("%s deity", qPrintable(Name(p.sign))) << p.sign << true << QString(p.deityOpening) << p.deityLength;
      QTest::addRow("%s people", qPrintable(Name(p.sign))) << p.sign << false << QString(p.peopleOpening)
                                                           << p.peopleLength;
    }
  }
  void proseOpensAndMeasuresRight() {
    QFETCH(SignName, sign);
    QFETCH(bool, deity);
    QFETCH(QString, opening);
    QFETCH(int, length);
    const SignRecord record = FillSignRecord(sign);
    const QString text = QString::fromStdString(deity ? record.DeityDescription : record.PeopleCharacteristics);
    QVERIFY(text.startsWith(opening));
    QCOMPARE(text.size(), length);
  }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
