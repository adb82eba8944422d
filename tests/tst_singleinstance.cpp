#include "web/settings.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString ProgramName() { return QFileInfo(qEnvironmentVariable("SCARABINE_EXE")).completeBaseName(); }

QString ScrambledKey() { return QStringLiteral("Settings/") + ScrambleText(QStringLiteral("Duration")); }

bool WriteAll(const QString& path, const QByteArray& contents) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

bool GiveTo(const QString& path, uid_t uid) { return chown(QFile::encodeName(path).constData(), uid, gid_t(-1)) == 0; }

// Another account to start a copy as: only root can act as one.
const passwd* OtherUser() { return geteuid() == 0 ? getpwnam("nobody") : nullptr; }

// Whether someone who is neither owner nor group may start the program: a
// build under root's own home (0700) is out of their reach.
bool OthersCanRun(const QString& program) {
  for (QFileInfo at(program); !at.isRoot(); at = QFileInfo(at.absolutePath())) {
    if (!(at.permissions() & QFileDevice::ExeOther)) return false;
  }
  return true;
}
}  // namespace

// Starts the real program, offscreen, with its own runtime, settings, home
// and temporary folders; message boxes and the main window's showing are
// reported by the test copy's message hook (support/scriptedmessages.cpp).
class TestSingleInstance : public QObject {
  Q_OBJECT
 private:
  std::unique_ptr<QTemporaryDir> runtime;
  std::unique_ptr<QTemporaryDir> config;
  std::unique_ptr<QTemporaryDir> home;
  std::unique_ptr<QTemporaryDir> temp;
  QList<QProcess*> copies;
  QHash<const QProcess*, QString> said;

  QProcessEnvironment Environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime->path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config->path());
    env.insert(QStringLiteral("HOME"), home->path());
    env.insert(QStringLiteral("TMPDIR"), temp->path());
    return env;
  }
  QProcess* Prepare(const QProcessEnvironment& env) {
    auto* copy = new QProcess(this);
    copy->setProcessEnvironment(env);
    copy->setProgram(qEnvironmentVariable("SCARABINE_EXE"));
    copies.append(copy);
    return copy;
  }
  QProcess* Start() {
    QProcess* copy = Prepare(Environment());
    copy->start();
    return copy;
  }
  QString LockPath() const { return QDir(runtime->path()).filePath(ProgramName() + QStringLiteral(".lock")); }
  QString StorePath() const {
    return QDir(config->path()).filePath(QStringLiteral("Orlenda/%1.ini").arg(ProgramName()));
  }
  // Everything the copy wrote to stderr so far.
  const QString& Said(QProcess* copy) {
    return said[copy] += QString::fromUtf8(copy->readAllStandardError());
  }
  int RefusalsShown(QProcess* copy) {
    return int(Said(copy).count(QStringLiteral("message: Application is already running\n")));
  }
  bool WindowShown(QProcess* copy) { return Said(copy).contains(QStringLiteral("shown: frmMain\n")); }
  // The copy ended by itself, cleanly, after showing the refusal once.
  void VerifyRefused(QProcess* copy) {
    if (copy->state() != QProcess::NotRunning) QVERIFY(copy->waitForFinished(60000));
    QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
    QCOMPARE(copy->exitCode(), 0);
    QCOMPARE(RefusalsShown(copy), 1);
    QVERIFY(!WindowShown(copy));
  }
  // A copy of this program run by another user, sharing only the temporary
  // folder, with its runtime folder unusable so that it uses the fallback too.
  QProcess* StartAsOtherUser(const passwd* other, QTemporaryDir& otherRuntime, QTemporaryDir& otherHome) {
    for (const QString& path : {otherRuntime.path(), otherHome.path()}) {
      if (!GiveTo(path, other->pw_uid)) return nullptr;
    }
    const QString blocked = QDir(otherRuntime.path()).filePath(ProgramName() + QStringLiteral(".lock"));
    if (!QDir().mkdir(blocked) || !GiveTo(blocked, other->pw_uid)) return nullptr;
    QProcessEnvironment env = Environment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), otherRuntime.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), otherHome.path());
    env.insert(QStringLiteral("HOME"), otherHome.path());
    QProcess* copy = Prepare(env);
    const uid_t uid = other->pw_uid;
    const gid_t gid = other->pw_gid;
    copy->setChildProcessModifier([uid, gid] {
      if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0) _exit(127);
    });
    copy->start();
    return copy;
  }

 private slots:
  void initTestCase() { QVERIFY(QFileInfo(qEnvironmentVariable("SCARABINE_EXE")).isExecutable()); }
  void init() {
    runtime = std::make_unique<QTemporaryDir>();
    config = std::make_unique<QTemporaryDir>();
    home = std::make_unique<QTemporaryDir>();
    temp = std::make_unique<QTemporaryDir>();
    QVERIFY(runtime->isValid() && config->isValid() && home->isValid() && temp->isValid());
    // Shared by every user, as /tmp is.
    QCOMPARE(chmod(QFile::encodeName(temp->path()).constData(), 01777), 0);
  }
  void cleanup() {
    for (QProcess* copy : copies) {
      copy->kill();
      copy->waitForFinished();
      delete copy;
    }
    copies.clear();
    said.clear();
    temp.reset();
    home.reset();
    config.reset();
    runtime.reset();
  }

  void secondCopyRefusesAndLeavesTheFirstAlone() {
    QProcess* first = Start();
    QTRY_VERIFY_WITH_TIMEOUT(WindowShown(first), 60000);
    // The first copy's first start stored a date. Make the next start due
    // for the question.
    const QString monthAgo = ScrambleText(QDate::currentDate().addDays(-30).toString(Qt::ISODate));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(StorePath()), 60000);
    QVERIFY(QDate::fromString(UnscrambleText(QSettings(StorePath(), QSettings::IniFormat).value(ScrambledKey()).toString()),
                              Qt::ISODate).isValid());
    QSettings(StorePath(), QSettings::IniFormat).setValue(ScrambledKey(), monthAgo);

    QProcess* second = Start();
    VerifyRefused(second);
    if (QTest::currentTestFailed()) return;
    // The refused copy asked nothing and stored nothing.
    QCOMPARE(QSettings(StorePath(), QSettings::IniFormat).value(ScrambledKey()).toString(), monthAgo);
    QCOMPARE(first->state(), QProcess::Running);
    QCOMPARE(RefusalsShown(first), 0);
  }

  // Whatever was left at the lock's or the settings' place, the program
  // starts with its main window; only a running copy of this user's refuses
  // a start, and of copies started at once exactly one runs.
  void leftoversNeverKeepTheWindowAway_data() {
    QTest::addColumn<QString>("lock");
    QTest::addColumn<QString>("store");
    QTest::addColumn<int>("atOnce");
    QTest::addColumn<bool>("guarded");  // a later start is refused
    QTest::addRow("nothing left") << "none" << "none" << 10 << true;
    QTest::addRow("empty lock") << "empty" << "none" << 3 << true;
    QTest::addRow("garbage lock") << "garbage" << "none" << 3 << true;
    QTest::addRow("lock of a killed copy") << "killed" << "none" << 3 << true;
    QTest::addRow("lock naming another host") << "other host" << "none" << 3 << true;
    QTest::addRow("lock naming a process id now reused by another program") << "reused pid" << "none" << 3 << true;
    QTest::addRow("folder at the lock path") << "folder" << "none" << 3 << true;
    QTest::addRow("lock file of another user") << "other user's file" << "none" << 3 << true;
    QTest::addRow("another user's copy in the fallback place") << "other user's copy" << "none" << 3 << true;
    // Never followed: the program runs, unguarded.
    QTest::addRow("planted link as the fallback folder") << "planted link" << "none" << 1 << false;
    QTest::addRow("FIFO at the settings path") << "none" << "fifo" << 1 << true;
    QTest::addRow("folder at the settings path") << "none" << "folder" << 1 << true;
    QTest::addRow("huge settings file") << "none" << "huge" << 1 << true;
  }
  void leftoversNeverKeepTheWindowAway() {
    QFETCH(QString, lock);
    QFETCH(QString, store);
    QFETCH(int, atOnce);
    QFETCH(bool, guarded);
    const QString host = QSysInfo::machineHostName();
    const QString fallbackFolder = QDir(temp->path()).filePath(QStringLiteral("%1-%2").arg(ProgramName()).arg(geteuid()));
    QTemporaryDir otherRuntime;
    QTemporaryDir otherHome;
    QTemporaryDir elsewhere;

    if (lock == QStringLiteral("empty")) {
      QVERIFY(WriteAll(LockPath(), {}));
    } else if (lock == QStringLiteral("garbage")) {
      QByteArray garbage;
      for (int i = 0; i < 4096; ++i) garbage += char((i * 131 + 7) % 256);
      QVERIFY(WriteAll(LockPath(), garbage));
    } else if (lock == QStringLiteral("killed")) {
      QProcess* killed = Start();
      QTRY_VERIFY_WITH_TIMEOUT(WindowShown(killed), 60000);
      killed->kill();  // SIGKILL: no chance to tidy up
      QVERIFY(killed->waitForFinished());
      QVERIFY(QFile::exists(LockPath()));
    } else if (lock == QStringLiteral("other host")) {
      QVERIFY(WriteAll(LockPath(), QStringLiteral("%1\n%2\nsomewhere-else\n").arg(getpid()).arg(ProgramName()).toUtf8()));
    } else if (lock == QStringLiteral("reused pid")) {
      // This test runs, under the pid the lock names, and is not the program.
      QVERIFY(WriteAll(LockPath(), QStringLiteral("%1\n%2\n%3\n").arg(getpid()).arg(ProgramName(), host).toUtf8()));
    } else if (lock == QStringLiteral("folder") || lock == QStringLiteral("planted link")) {
      QVERIFY(QDir().mkdir(LockPath()));
      if (lock == QStringLiteral("planted link")) QVERIFY(QFile::link(elsewhere.path(), fallbackFolder));
    } else if (lock == QStringLiteral("other user's file")) {
      const passwd* other = OtherUser();
      if (!other) QSKIP("only root can leave a file of another user's in this user's folder");
      QVERIFY(WriteAll(LockPath(), {}));
      QVERIFY(GiveTo(LockPath(), other->pw_uid));
    } else if (lock == QStringLiteral("other user's copy")) {
      const passwd* other = OtherUser();
      if (!other) QSKIP("starting a copy as another user needs root and an ordinary account");
      if (!OthersCanRun(qEnvironmentVariable("SCARABINE_EXE")))
        QSKIP("the build lies where another user may not start it");
      QVERIFY(QDir().mkdir(LockPath()));
      QProcess* theirs = StartAsOtherUser(other, otherRuntime, otherHome);
      QVERIFY(theirs);
      QTRY_VERIFY_WITH_TIMEOUT(WindowShown(theirs) || theirs->state() == QProcess::NotRunning, 60000);
      QVERIFY2(WindowShown(theirs), qPrintable(Said(theirs)));
      QVERIFY(QFileInfo::exists(
          QDir(temp->path()).filePath(QStringLiteral("%1-%2/%1.lock").arg(ProgramName()).arg(other->pw_uid))));
    }

    QVERIFY(QDir().mkpath(QFileInfo(StorePath()).path()));
    if (store == QStringLiteral("fifo")) {
      QCOMPARE(mkfifo(QFile::encodeName(StorePath()).constData(), 0600), 0);
    } else if (store == QStringLiteral("folder")) {
      QVERIFY(QDir().mkdir(StorePath()));
    } else if (store == QStringLiteral("huge")) {
      // Read whole, it would say the question was asked yesterday: nothing
      // to do, and the file would stay as it is.
      QSettings huge(StorePath(), QSettings::IniFormat);
      huge.setValue(ScrambledKey(), ScrambleText(QDate::currentDate().addDays(-1).toString(Qt::ISODate)));
      for (int i = 0; i < 200; ++i) huge.setValue(QStringLiteral("Padding/%1").arg(i), QString(1000, u'x'));
      huge.sync();
      QVERIFY(QFileInfo(StorePath()).size() > 64 * 1024);
    }

    QList<QProcess*> started;
    for (int i = 0; i < atOnce; ++i) started.append(Start());
    // Each copy either ends or shows its window.
    QTRY_VERIFY_WITH_TIMEOUT(std::all_of(started.begin(), started.end(),
                                         [&](QProcess* copy) {
                                           return copy->state() == QProcess::NotRunning || WindowShown(copy);
                                         }),
                             60000);
    QProcess* survivor = nullptr;
    for (QProcess* copy : started) {
      if (WindowShown(copy)) {
        QVERIFY2(!survivor, "two copies run");
        survivor = copy;
      } else {
        VerifyRefused(copy);
      }
    }
    QVERIFY2(survivor, "no copy runs");
    QCOMPARE(survivor->state(), QProcess::Running);
    QCOMPARE(RefusalsShown(survivor), 0);

    // A first start, as far as the reminder can tell: today is stored after
    // the first frame, in a fresh small file, unless a folder is in the way.
    if (store == QStringLiteral("folder")) {
      QVERIFY(QFileInfo(StorePath()).isDir());
    } else {
      auto storedToday = [&] {
        const QFileInfo file(StorePath());
        if (!file.isFile() || file.size() > 1024) return false;
        const QDate stored = QDate::fromString(
            UnscrambleText(QSettings(StorePath(), QSettings::IniFormat).value(ScrambledKey()).toString()), Qt::ISODate);
        return stored.isValid() && qAbs(stored.daysTo(QDate::currentDate())) <= 1;
      };
      QTRY_VERIFY_WITH_TIMEOUT(storedToday(), 60000);
    }

    QProcess* next = Start();
    if (guarded) {
      VerifyRefused(next);
    } else {
      QTRY_VERIFY_WITH_TIMEOUT(WindowShown(next), 60000);
      QVERIFY(QDir(elsewhere.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
    }
    QCOMPARE(survivor->state(), QProcess::Running);
  }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
