#include "ui/messages.h"
#include "ui/pages.h"
#include "ui/program.h"
#include "web/reminder.h"
#include "web/settings.h"

#include <QDesktopServices>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(ReminderStep)

namespace {
const QDate Today{2026, 12, 8};
}

// Notes what was stored at the moment a page opened.
class OpenWatcher : public QObject {
  Q_OBJECT
 public:
  QStringList opened;
  QStringList storedWhenOpened;
 public slots:
  void handle(const QUrl& url) {
    opened.append(url.toString());
    storedWhenOpened.append(ReadSetting(ReminderKey));
  }
};

// The update reminder and the scrambled setting it keeps.
class TestReminder : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir* folder = nullptr;
  OpenWatcher* watcher = nullptr;

 private slots:
  void init() {
    folder = new QTemporaryDir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder->path()));
    watcher = new OpenWatcher;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), watcher, "handle");
    Messages::StartRecording();
  }
  void cleanup() {
    Messages::StopRecording();
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    delete watcher;
    delete folder;
  }

  void scrambleRoundTrip_data() {
    QTest::addColumn<QString>("plain");
    QTest::addRow("an ISO date") << QStringLiteral("2026-12-08");
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

  // The store is written by the program and read by QSettings: both must
  // agree on every character a value may hold once scrambled (separators,
  // quotes, backslashes, a leading "@", blanks at either end).
  void storedScrambledUnderTheApplicationName_data() {
    QTest::addColumn<QString>("value");
    QTest::addRow("an ISO date") << QStringLiteral("2026-12-08");
    QTest::addRow("a short date") << QStringLiteral("08/12/26");
    QTest::addRow("every printable character") << [] {
      QString all;
      for (char16_t c = 0x20 - 7; c + 7 < 0x7F; ++c) all += QChar(c);
      return all;
    }();
    QTest::addRow("leading at sign once scrambled") << QStringLiteral("9a");
    QTest::addRow("blanks at both ends once scrambled") << QString(2, QChar(0x19)) + u'a' + QChar(0x19);
  }
  void storedScrambledUnderTheApplicationName() {
    QFETCH(QString, value);
    SaveSettingValue(QStringLiteral("Duration"), value);
    QCOMPARE(ReadSetting(QStringLiteral("Duration")), value);
    SaveSettingValue(QStringLiteral("Duration"), QStringLiteral("2026-12-08"));
    QCOMPARE(ReadSetting(QStringLiteral("Duration")), QStringLiteral("2026-12-08"));

    QCOMPARE(ProgramFileName(), QStringLiteral("tst_reminder"));
    QCOMPARE(SettingsFilePath(), folder->filePath(QStringLiteral("Orlenda/tst_reminder.ini")));
    QVERIFY(QFile::exists(SettingsFilePath()));
    QSettings raw(SettingsFilePath(), QSettings::IniFormat);
    raw.beginGroup(QStringLiteral("Settings"));
    QCOMPARE(raw.childKeys(), QStringList{ScrambleText(QStringLiteral("Duration"))});
    QCOMPARE(raw.value(ScrambleText(QStringLiteral("Duration"))).toString(), ScrambleText(QStringLiteral("2026-12-08")));
  }

  void decision_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<ReminderStep>("step");
    const QLocale locale = QLocale::system();
    auto shortText = [&](const QDate& d) { return locale.toString(d, QLocale::ShortFormat); };
    QTest::addRow("first start") << QString() << Today << ReminderStep::StoreToday;
    QTest::addRow("14 days ago is quiet") << "2026-11-24" << Today << ReminderStep::Nothing;
    QTest::addRow("15 days ago asks") << "2026-11-23" << Today << ReminderStep::Ask;
    QTest::addRow("14 days ahead is quiet") << "2026-12-22" << Today << ReminderStep::Nothing;
    QTest::addRow("15 days ahead asks") << "2026-12-23" << Today << ReminderStep::Ask;
    QTest::addRow("leap day counted, 15") << "2024-02-28" << QDate(2024, 3, 14) << ReminderStep::Ask;
    QTest::addRow("short date 20 days ago") << shortText(Today.addDays(-20)) << Today << ReminderStep::Ask;
    QTest::addRow("garbage restarts") << "hello" << Today << ReminderStep::StoreToday;
    QTest::addRow("date with trailing junk restarts") << "2026-12-08x" << Today << ReminderStep::StoreToday;
  }
  void decision() {
    QFETCH(QString, stored);
    QFETCH(QDate, today);
    QFETCH(ReminderStep, step);
    QCOMPARE(DecideReminder(stored, today), step);
  }

  void answerNoStoresTodayOpensNothing() {
    SaveSettingValue(ReminderKey, QStringLiteral("2026-11-23"));
    Messages::QueueAnswer(QMessageBox::No);
    RemindAboutUpdate(Today);
    QCOMPARE(Messages::Recorded().size(), 1);
    const auto& shown = Messages::Recorded().first();
    QCOMPARE(shown.title, QStringLiteral("Scarabine"));
    QCOMPARE(shown.icon, QMessageBox::Information);
    QCOMPARE(shown.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(shown.text.split(u'\n'), (QStringList{QStringLiteral("There maybe an update to this software available"),
                                                   QStringLiteral("Do you want to check for an update?")}));
    QCOMPARE(ReadSetting(ReminderKey), QStringLiteral("2026-12-08"));
    QVERIFY(watcher->opened.isEmpty());
  }

  void answerYesStoresTodayThenOpensDownload() {
    SaveSettingValue(ReminderKey, QStringLiteral("2026-12-23"));
    Messages::QueueAnswer(QMessageBox::Yes);
    RemindAboutUpdate(Today);
    QCOMPARE(Messages::Recorded().size(), 1);
    QCOMPARE(watcher->opened, QStringList{PageAddress(Page::Download)});
    QCOMPARE(watcher->storedWhenOpened, QStringList{QStringLiteral("2026-12-08")});
  }

  void unreadableValueRestartsTheCount() {
    SaveSettingValue(ReminderKey, QStringLiteral("31.31.31"));
    RemindAboutUpdate(Today);
    QVERIFY(Messages::Recorded().isEmpty());
    QCOMPARE(ReadSetting(ReminderKey), QStringLiteral("2026-12-08"));
    // ...and the next start 15 days on asks again.
    RemindAboutUpdate(Today.addDays(15));
    QCOMPARE(Messages::Recorded().size(), 1);
  }

  void corruptFileNeverStopsStartUp() {
    const QString path = SettingsFilePath();
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("[Settings\n\x01\x02\xff\xfe=\n[[[\n", 17));
    file.close();
    RemindAboutUpdate(Today);
    QVERIFY(Messages::Recorded().isEmpty());
  }
};

QTEST_MAIN(TestReminder)
#include "tst_reminder.moc"
