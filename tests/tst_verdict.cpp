#include "astro/catalogue.h"
#include "astro/verdict.h"

#include <QTest>

#include <optional>
#include <set>
#include <string>
#include <utility>

Q_DECLARE_METATYPE(SignName)

namespace {

using enum SignName;
using Pair = std::pair<SignName, SignName>;  // user, partner

QString Name(SignName sign) {
  return QString::fromLatin1(SignDisplayName(sign).data(), static_cast<qsizetype>(SignDisplayName(sign).size()));
}

QString Text(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<SignName> SignNamed(const QString& name) {
  for (SignName sign : AllSigns) {
    if (Name(sign) == name) return sign;
  }
  return std::nullopt;
}

bool Favourable(SignName user, SignName partner) {
  return DecideCompatibility(user, partner) == VerdictCompatible;
}

std::set<Pair> FavourablePairs() {
  std::set<Pair> pairs;
  for (SignName user : AllSigns) {
    for (SignName partner : AllSigns) {
      if (Favourable(user, partner)) pairs.insert({user, partner});
    }
  }
  return pairs;
}

SignName SignOn(int month, int day) {
  return FindSign(static_cast<std::int16_t>(month - 1), static_cast<std::int16_t>(day - 1)).value().sign;
}

}  // namespace

class TestVerdict : public QObject {
  Q_OBJECT
 private slots:
  // The verdict and the report must agree on who suits whom.
  void rowsMatchCatalogueCompatibleSigns_data() {
    QTest::addColumn<SignName>("user");
    for (SignName sign : AllSigns) QTest::addRow("%s", qPrintable(Name(sign))) << sign;
  }
  void rowsMatchCatalogueCompatibleSigns() {
    QFETCH(SignName, user);
    const QString text = QString::fromStdString(CatalogueEntry(user).CompatibleSigns);
    const QStringList names = text.split(QLatin1String(" and "));
    QCOMPARE(names.size(), 2);
    const auto first = SignNamed(names[0]);
    const auto second = SignNamed(names[1]);
    QVERIFY2(first && second, qPrintable(text));
    QVERIFY(*first != *second);

    std::set<SignName> favoured;
    for (SignName partner : AllSigns) {
      if (Favourable(user, partner)) favoured.insert(partner);
    }
    QVERIFY(favoured == (std::set<SignName>{*first, *second}));
    const auto row = FavourablePartners(user);
    QVERIFY((std::set<SignName>{row[0], row[1]}) == favoured);
  }

  void pairsSplitIntoMutualAndOneWay() {
    const std::set<Pair> favourable = FavourablePairs();
    QCOMPARE(favourable.size(), std::size_t{24});

    // Mutual pairs are kept in sign order so that each appears once.
    const auto unordered = [](SignName a, SignName b) { return a < b ? Pair{a, b} : Pair{b, a}; };
    std::set<Pair> expectedMutual;
    for (const auto& [a, b] : {Pair{AmonRa, TheNile}, Pair{Bastet, Horus}, Pair{Bastet, Sekhmet}, Pair{Geb, Horus},
                               Pair{Geb, Seth}, Pair{Isis, Osiris}, Pair{Isis, Thoth}, Pair{Seth, TheNile}}) {
      expectedMutual.insert(unordered(a, b));
    }
    const std::set<Pair> expectedOneWay{{AmonRa, Horus}, {Anubis, Isis}, {Anubis, Bastet}, {Mut, Thoth},
                                        {Mut, AmonRa},   {Osiris, Thoth}, {Sekhmet, Geb},  {Thoth, Bastet}};
    std::set<Pair> mutual;
    std::set<Pair> oneWay;
    for (const auto& [user, partner] : favourable) {
      if (favourable.contains({partner, user})) {
        mutual.insert(unordered(user, partner));
      } else {
        oneWay.insert({user, partner});
      }
    }
    QCOMPARE(mutual.size(), std::size_t{8});
    QVERIFY(mutual == expectedMutual);
    QVERIFY(oneWay == expectedOneWay);
  }

  void noRowNamesItselfAnubisOrMut() {
    for (SignName user : AllSigns) {
      const QString who = Name(user);
      QVERIFY2(!Favourable(user, user), qPrintable(who));
      QVERIFY2(!Favourable(user, Anubis), qPrintable(who));
      QVERIFY2(!Favourable(user, Mut), qPrintable(who));
    }
  }

  // The user's sign picks the row; the same two signs may be judged
  // differently once swapped. Dates go through the calendar, whichever
  // caption their row writes.
  void directedVerdicts_data() {
    QTest::addColumn<SignName>("user");
    QTest::addColumn<SignName>("partner");
    QTest::addColumn<QString>("verdict");
    const QString yes = "You both are very highly compatible";
    const QString no = "You both are not very compatible";
    QTest::addRow("Amon-Ra user, Horus partner") << AmonRa << Horus << yes;
    QTest::addRow("Horus user, Amon-Ra partner") << Horus << AmonRa << no;
    QTest::addRow("Anubis user, Isis partner") << Anubis << Isis << yes;
    QTest::addRow("Isis user, Anubis partner") << Isis << Anubis << no;
    QTest::addRow("20 Jul (Basted) user, Sekhmet") << SignOn(7, 20) << Sekhmet << yes;
    QTest::addRow("Thoth user, 10 Oct (Bastet) partner") << Thoth << SignOn(10, 10) << yes;
  }
  void directedVerdicts() {
    QFETCH(SignName, user);
    QFETCH(SignName, partner);
    QFETCH(QString, verdict);
    QCOMPARE(Text(DecideCompatibility(user, partner)), verdict);
  }
};

QTEST_GUILESS_MAIN(TestVerdict)
#include "tst_verdict.moc"
