#include "web/settings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestSettings : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir* folder = nullptr;

 private slots:
  void init() {
    folder = new QTemporaryDir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder->path());
  }
  void cleanup() { delete folder; }

  void scrambleRoundTrip_data() {
    QTest::addColumn<QString>("plain");
    QTest::addRow("the key") << QStringLiteral("Duration");
    QTest::addRow("an ISO date") << QStringLiteral("2026-12-08");
    QTest::addRow("a short date") << QStringLiteral("8/12/26");
    QTest::addRow("dotted date") << QStringLiteral("08.12.2026");
    QTest::addRow("letters both cases") << QStringLiteral("AZaz");
  }
  void scrambleRoundTrip() {
    QFETCH(QString, plain);
    const QString scrambled = ScrambleText(plain);
    QCOMPARE(scrambled.size(), plain.size());
    for (qsizetype i = 0; i < plain.size(); ++i) {
      QVERIFY2(scrambled.at(i) != plain.at(i), qPrintable(QStringLiteral("position %1 unchanged").arg(i)));
      QVERIFY2(scrambled.at(i).unicode() < 256, "left 8 bits");
    }
    QCOMPARE(UnscrambleText(scrambled), plain);
  }

  void storedScrambledUnderTheApplicationName() {
    SaveSettingValue(QStringLiteral("Duration"), QStringLiteral("2026-12-08"));
    QCOMPARE(ReadSetting(QStringLiteral("Duration")), QStringLiteral("2026-12-08"));

    QCOMPARE(SettingsApplicationName(), QStringLiteral("tst_settings"));
    QSettings raw(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Orlenda"),
                  QStringLiteral("tst_settings"));
    QVERIFY(QFile::exists(raw.fileName()));
    QVERIFY(raw.fileName().startsWith(folder->path()));
    raw.beginGroup(QStringLiteral("Settings"));
    QCOMPARE(raw.childKeys(), QStringList{ScrambleText(QStringLiteral("Duration"))});
    QCOMPARE(raw.value(ScrambleText(QStringLiteral("Duration"))).toString(), ScrambleText(QStringLiteral("2026-12-08")));
  }

  void laterValueReplacesEarlier() {
    SaveSettingValue(QStringLiteral("Duration"), QStringLiteral("2026-01-01"));
    SaveSettingValue(QStringLiteral("Duration"), QStringLiteral("2026-02-02"));
    QCOMPARE(ReadSetting(QStringLiteral("Duration")), QStringLiteral("2026-02-02"));
  }

  void missingKeyReadsEmpty() { QCOMPARE(ReadSetting(QStringLiteral("Duration")), QString()); }

  void unwritableStoreIsIgnored() {
    // A file where the folder should be: nothing can be created below it.
    QFile blocker(folder->filePath(QStringLiteral("blocked")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, blocker.fileName());
    SaveSettingValue(QStringLiteral("Duration"), QStringLiteral("2026-12-08"));
    QCOMPARE(ReadSetting(QStringLiteral("Duration")), QString());
  }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
