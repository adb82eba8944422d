#include "web/settings.h"

#include <QDate>
#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// Starts the real program, offscreen, with its own runtime and settings
// folders; message boxes are answered by the program's scripted-messages seam.
class TestSingleInstance : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir* runtime = nullptr;
  QTemporaryDir* config = nullptr;
  QList<QProcess*> copies;

  QProcess* Start() {
    auto* copy = new QProcess(this);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime->path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config->path());
    env.insert(QStringLiteral("SCARABINE_SCRIPTED_MESSAGES"), QStringLiteral("1"));
    copy->setProcessEnvironment(env);
    copy->setProgram(qEnvironmentVariable("SCARABINE_EXE"));
    copies.append(copy);
    copy->start();
    return copy;
  }
  QString LockPath() const {
    return QDir(runtime->path()).filePath(QFileInfo(qEnvironmentVariable("SCARABINE_EXE")).completeBaseName() +
                                          QStringLiteral(".lock"));
  }
  // The process id written into the lock by its holder, 0 when none.
  qint64 LockOwner() const {
    QFile lock(LockPath());
    if (!lock.open(QIODevice::ReadOnly)) return 0;
    return lock.readLine().trimmed().toLongLong();
  }
  static int RefusalsShown(QProcess* copy) {
    return QString::fromUtf8(copy->readAllStandardError()).count(QStringLiteral("message: Application is already running\n"));
  }
  // The copy ended by itself, cleanly, after showing the refusal once.
  void VerifyRefused(QProcess* copy) {
    if (copy->state() != QProcess::NotRunning) QVERIFY(copy->waitForFinished(30000));
    QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
    QCOMPARE(copy->exitCode(), 0);
    QCOMPARE(RefusalsShown(copy), 1);
  }

 private slots:
  void initTestCase() { QVERIFY(QFileInfo(qEnvironmentVariable("SCARABINE_EXE")).isExecutable()); }
  void init() {
    runtime = new QTemporaryDir;
    config = new QTemporaryDir;
  }
  void cleanup() {
    for (QProcess* copy : copies) {
      copy->kill();
      copy->waitForFinished();
      delete copy;
    }
    copies.clear();
    delete config;
    delete runtime;
  }

  void secondCopyRefusesAndLeavesTheFirstAlone() {
    QProcess* first = Start();
    QVERIFY(first->waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(LockOwner(), first->processId(), 30000);
    // The first copy ran the reminder after taking the lock: its first start
    // stored a date. Make the next start due for the question.
    const QString store = QDir(config->path())
                              .filePath(QStringLiteral("Orlenda/%1.ini")
                                            .arg(QFileInfo(qEnvironmentVariable("SCARABINE_EXE")).completeBaseName()));
    const QString key = QStringLiteral("Settings/") + ScrambleText(QStringLiteral("Duration"));
    const QString monthAgo = ScrambleText(QDate::currentDate().addDays(-30).toString(Qt::ISODate));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(store), 30000);
    QVERIFY(QDate::fromString(UnscrambleText(QSettings(store, QSettings::IniFormat).value(key).toString()),
                              Qt::ISODate).isValid());
    QSettings(store, QSettings::IniFormat).setValue(key, monthAgo);

    QProcess* second = Start();
    VerifyRefused(second);
    if (QTest::currentTestFailed()) return;
    // The refused copy asked nothing and stored nothing.
    QCOMPARE(QSettings(store, QSettings::IniFormat).value(key).toString(), monthAgo);
    QCOMPARE(first->state(), QProcess::Running);
    QCOMPARE(RefusalsShown(first), 0);
    QCOMPARE(LockOwner(), first->processId());
  }

  void simultaneousStartsLeaveExactlyOne() {
    for (int round = 0; round < 3; ++round) {
      QProcess* a = Start();
      QProcess* b = Start();
      QVERIFY(a->waitForStarted() && b->waitForStarted());
      QTRY_VERIFY_WITH_TIMEOUT(a->state() == QProcess::NotRunning || b->state() == QProcess::NotRunning, 30000);
      QProcess* loser = a->state() == QProcess::NotRunning ? a : b;
      QProcess* winner = loser == a ? b : a;
      VerifyRefused(loser);
      if (QTest::currentTestFailed()) return;
      QCOMPARE(winner->state(), QProcess::Running);
      QTRY_COMPARE_WITH_TIMEOUT(LockOwner(), winner->processId(), 30000);
      winner->kill();
      QVERIFY(winner->waitForFinished());
    }
  }

  void lockOfAKilledCopyDoesNotBlock() {
    QProcess* first = Start();
    QVERIFY(first->waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(LockOwner(), first->processId(), 30000);
    first->kill();  // SIGKILL: no chance to remove its lock
    QVERIFY(first->waitForFinished());
    QVERIFY(QFile::exists(LockPath()));

    QProcess* next = Start();
    QVERIFY(next->waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(LockOwner(), next->processId(), 30000);
    // ...and it really holds the lock now.
    VerifyRefused(Start());
    QCOMPARE(next->state(), QProcess::Running);
  }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
