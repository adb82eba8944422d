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

}  // namespace

// Verdicts reached through real dates are followed in tst_reading, and through
// the windows for every day of the year in tst_robustness.
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
    const QString text = QString::fromStdString(FillSignRecord(user).CompatibleSigns);
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

};

QTEST_GUILESS_MAIN(TestVerdict)
#include "tst_verdict.moc"
