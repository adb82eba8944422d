#include "ui/pages.h"
#include "web/referral.h"

#include <QTest>
#include <QUrl>
#include <QUrlQuery>

Q_DECLARE_METATYPE(ReferralValues)

namespace {
ReferralValues Good() {
  return {QStringLiteral("ANN"), QStringLiteral("ann@example.com"), QStringLiteral("Your Message\r\n"),
          QStringLiteral("BOB"), QStringLiteral("bob@example.com")};
}
}  // namespace

class TestReferral : public QObject {
  Q_OBJECT
 private slots:
  void check_data() {
    QTest::addColumn<ReferralValues>("values");
    QTest::addColumn<QString>("message");
    const ReferralValues good = Good();
    auto with = [&](auto change) {
      ReferralValues v = good;
      change(v);
      return v;
    };
    const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
    const QString proper = QStringLiteral("Please Enter Proper Email Address");

    QTest::addRow("all good, untouched message") << good << QString();
    QTest::addRow("all untouched") << ReferralValues{Placeholder::Name, Placeholder::Email, InitialMessage,
                                                      Placeholder::FriendName, Placeholder::FriendEmail}
                                   << proper;
    QTest::addRow("same address") << with([](auto& v) { v.friendEmail = v.email; }) << distinct;
    QTest::addRow("same address, empty name: distinct first")
        << with([](auto& v) { v.friendEmail = v.email; v.name.clear(); }) << distinct;
    QTest::addRow("case differs: distinct")
        << with([](auto& v) { v.friendEmail = QStringLiteral("ANN@example.com"); }) << QString();
    QTest::addRow("own address without @") << with([](auto& v) { v.email = QStringLiteral("ann.example.com"); })
                                           << proper;
    QTest::addRow("@ but no dot") << with([](auto& v) { v.email = QStringLiteral("ann@example"); }) << proper;
    QTest::addRow("empty name") << with([](auto& v) { v.name.clear(); }) << QStringLiteral("Please Enter Your Name");
    QTest::addRow("name before message")
        << with([](auto& v) { v.name.clear(); v.message.clear(); }) << QStringLiteral("Please Enter Your Name");
    QTest::addRow("empty message") << with([](auto& v) { v.message.clear(); })
                                   << QStringLiteral("Please Enter Your Message");
    QTest::addRow("message only line breaks") << with([](auto& v) { v.message = QStringLiteral("\r\n\r\n"); })
                                              << QString();
    QTest::addRow("message before friend's name")
        << with([](auto& v) { v.message.clear(); v.friendName.clear(); }) << QStringLiteral("Please Enter Your Message");
    QTest::addRow("empty friend's name") << with([](auto& v) { v.friendName.clear(); })
                                         << QStringLiteral("Please Enter Your Friend's Name");
  }
  void check() {
    QFETCH(ReferralValues, values);
    QFETCH(QString, message);
    QCOMPARE(CheckReferral(values).value_or(QString()), message);
  }

  void focusRules_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("onEnter");
    QTest::addColumn<QString>("onLeave");
    const QString p = Placeholder::Message;
    QTest::addRow("placeholder empties") << p << "" << p;
    const QString initial = InitialMessage;
    QTest::addRow("initial message kept") << initial << initial << initial;
    QTest::addRow("empty gets placeholder") << "" << "" << p;
    QTest::addRow("line break alone is text") << "\r\n" << "\r\n" << "\r\n";
  }
  void focusRules() {
    QFETCH(QString, text);
    QFETCH(QString, onEnter);
    QFETCH(QString, onLeave);
    QCOMPARE(TextOnFocusIn(text, Placeholder::Message), onEnter);
    QCOMPARE(TextOnFocusOut(text, Placeholder::Message), onLeave);
  }

  void addressKeepsItsFixedParts() {
    const QString address = ReferralAddress(Good());
    QVERIFY(address.startsWith(PageAddress(Page::ReferAFriend) + QStringLiteral("&taf1=ANN&taf2=ann%40example.com&taf3=")));
    QVERIFY(address.endsWith(QStringLiteral("&taf6=") + ProductHomeAddress()));
    const QUrlQuery query(QUrl(address, QUrl::StrictMode));
    QStringList keys;
    for (const auto& item : query.queryItems()) keys.append(item.first);
    QCOMPARE(keys, (QStringList{"page", "taf1", "taf2", "taf3", "taf4", "taf5", "taf6"}));
    QCOMPARE(query.queryItemValue("page"), Page::ReferAFriend);
    QCOMPARE(query.queryItemValue("taf3", QUrl::FullyDecoded), QStringLiteral("Your Message\r\n"));
    QCOMPARE(query.queryItemValue("taf6", QUrl::FullyDecoded), ProductHomeAddress());
  }

  void hostileValuesArriveIntact_data() {
    QTest::addColumn<QString>("value");
    QTest::addRow("ampersand and pair") << "Tom & Jerry&taf6=evil";
    QTest::addRow("hash cuts the address") << "x#fragment";
    QTest::addRow("plus is not a blank") << "1+1 = 2";
    QTest::addRow("percent") << "100% %41 %zz";
    QTest::addRow("CR LF") << "line one\r\nline two\r\n";
    QTest::addRow("emoji and accents") << QStringLiteral("Zoë 😀 Ünïcode");
  }
  void hostileValuesArriveIntact() {
    QFETCH(QString, value);
    const ReferralValues values{value + "n", value + "@e.", value + "m", value + "f", value + "@f."};
    const QUrl url(ReferralAddress(values), QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(url.errorString()));
    QVERIFY(!url.hasFragment());
    const QUrlQuery query(url);
    QCOMPARE(query.queryItems().size(), 7);
    QCOMPARE(query.queryItemValue("taf1", QUrl::FullyDecoded), values.name);
    QCOMPARE(query.queryItemValue("taf2", QUrl::FullyDecoded), values.email);
    QCOMPARE(query.queryItemValue("taf3", QUrl::FullyDecoded), values.message);
    QCOMPARE(query.queryItemValue("taf4", QUrl::FullyDecoded), values.friendName);
    QCOMPARE(query.queryItemValue("taf5", QUrl::FullyDecoded), values.friendEmail);
    QCOMPARE(query.queryItemValue("taf6", QUrl::FullyDecoded), ProductHomeAddress());
  }
};

QTEST_GUILESS_MAIN(TestReferral)
#include "tst_referral.moc"
