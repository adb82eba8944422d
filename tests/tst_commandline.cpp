#include "support/driven.h"
#include "version.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Runs the real program with each command line while a first copy holds the
// instance lock: what only prints must print even then, and only a plain
// start meets the running copy (whose box the preloaded driver reports).
class TestCommandLine : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir runtime;
  QTemporaryDir config;
  QProcess first;

  static QString Exe() { return qEnvironmentVariable("SCARABINE_EXE"); }
  static QString Name() { return QFileInfo(Exe()).completeBaseName(); }

  // windowSystem false: a text console, where opening a window would fail.
  QProcessEnvironment Environment(bool windowSystem) const {
    QProcessEnvironment env = DrivenEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), windowSystem ? QStringLiteral("offscreen") : QStringLiteral("xcb"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return env;
  }
  qint64 LockOwner() const {
    QFile lock(QDir(runtime.path()).filePath(Name() + QStringLiteral(".lock")));
    if (!lock.open(QIODevice::ReadOnly)) return 0;
    return lock.readLine().trimmed().toLongLong();
  }

 private slots:
  void initTestCase() {
    QVERIFY(QFileInfo(Exe()).isExecutable());
    first.setProcessEnvironment(Environment(true));
    first.start(Exe(), {});
    QVERIFY(first.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(LockOwner(), first.processId(), 30000);
  }
  void cleanupTestCase() {
    first.kill();
    first.waitForFinished();
  }

  void answers_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("windowSystem");
    QTest::addColumn<int>("status");
    // The whole of stdout and stderr; "..." at either end stands for any text.
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    const QString version = Name() + u' ' + QString::fromLatin1(ScarabineVersion) + u'\n';
    const QString usage = QStringLiteral("Usage: %1 [options]\n...").arg(Exe());
    QTest::addRow("--version") << QStringList{"--version"} << false << 0 << version << QString();
    QTest::addRow("-v") << QStringList{"-v"} << false << 0 << version << QString();
    QTest::addRow("--help") << QStringList{"--help"} << false << 0 << usage << QString();
    QTest::addRow("-h") << QStringList{"-h"} << false << 0 << usage << QString();
    // Qt's own options are not taken: a bad one aborted, and a style sheet
    // read from any file grew without end.
    QTest::addRow("Qt's own option refused") << QStringList{"-stylesheet", "/dev/zero"} << true << 2 << QString()
                                             << Name() + QStringLiteral(": Unknown option 'stylesheet'.\n") + usage;
    QTest::addRow("Qt's platform option refused") << QStringList{"-platform", "bogus"} << false << 2 << QString()
                                                  << Name() + QStringLiteral(": Unknown option 'platform'.\n") + usage;
    QTest::addRow("--help-all is not offered") << QStringList{"--help-all"} << false << 2 << QString()
                                               << Name() + QStringLiteral(": Unknown option 'help-all'.\n") + usage;
    QTest::addRow("unknown long option") << QStringList{"--bogus"} << true << 2 << QString()
                                         << Name() + QStringLiteral(": Unknown option 'bogus'.\n") + usage;
    QTest::addRow("unknown option without a display") << QStringList{"--no-such-option"} << false << 2 << QString()
                                         << Name() + QStringLiteral(": Unknown option 'no-such-option'.\n") + usage;
    QTest::addRow("unknown short option") << QStringList{"-x"} << true << 2 << QString()
                                          << Name() + QStringLiteral(": Unknown option 'x'.\n") + usage;
    QTest::addRow("stray argument") << QStringList{"stray"} << true << 2 << QString()
                                    << Name() + QStringLiteral(": Unexpected argument 'stray'.\n") + usage;
    QTest::addRow("no option: the usual start, refused by the first copy")
        << QStringList{} << true << 0 << QString() << QStringLiteral("...message: Application is already running\n...");
  }
  void answers() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, windowSystem);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

    QProcess copy;
    copy.setProcessEnvironment(Environment(windowSystem));
    copy.start(Exe(), arguments);
    QVERIFY(copy.waitForFinished(30000));
    QCOMPARE(copy.exitStatus(), QProcess::NormalExit);
    QCOMPARE(copy.exitCode(), status);
    const auto matches = [](const QString& actual, QString expected) {
      const QString any = QStringLiteral("...");
      const bool anyBefore = expected.startsWith(any);
      const bool anyAfter = expected.endsWith(any);
      if (anyAfter) expected.chop(any.size());
      if (anyBefore) expected.remove(0, any.size());
      if (anyBefore && anyAfter) return actual.contains(expected);
      if (anyBefore) return actual.endsWith(expected);
      if (anyAfter) return actual.startsWith(expected);
      return actual == expected;
    };
    const QString actualOut = QString::fromLocal8Bit(copy.readAllStandardOutput());
    const QString actualErr = QString::fromLocal8Bit(copy.readAllStandardError());
    QVERIFY2(matches(actualOut, out), qPrintable(actualOut));
    QVERIFY2(matches(actualErr, err), qPrintable(actualErr));
    QCOMPARE(first.state(), QProcess::Running);
  }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
