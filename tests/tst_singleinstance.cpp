#include "support/driven.h"
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
#include <cerrno>
#include <cstring>
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

QByteArray ReadAllBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a file is, whose, and what it holds; a FIFO is never opened.
QString Snapshot(const QString& path) {
  struct stat seen{};
  if (lstat(QFile::encodeName(path).constData(), &seen) != 0) return QStringLiteral("missing");
  QString what = QStringLiteral("mode %1 owner %2").arg(seen.st_mode, 0, 8).arg(seen.st_uid);
  if (S_ISREG(seen.st_mode)) what += QString::fromLatin1(ReadAllBytes(path).toHex());
  return what;
}

#ifdef __SANITIZE_ADDRESS__
constexpr qint64 ShowLimitMs = 4000;  // instrumented start-up is slower by design
#else
constexpr qint64 ShowLimitMs = 1000;
#endif

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
// reported, and the windows driven, by the preloaded test driver.
class TestSingleInstance : public QObject {
  Q_OBJECT
 private:
  std::unique_ptr<QTemporaryDir> runtime;
  std::unique_ptr<QTemporaryDir> config;
  std::unique_ptr<QTemporaryDir> home;
  std::unique_ptr<QTemporaryDir> temp;
  std::unique_ptr<QTemporaryDir> workingFolders;
  QString program;
  QHash<QString, QString> extraEnvironment;
  QList<QProcess*> copies;
  QHash<const QProcess*, QString> said;

  QProcessEnvironment Environment() const {
    QProcessEnvironment env = DrivenEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime->path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config->path());
    env.insert(QStringLiteral("HOME"), home->path());
    env.insert(QStringLiteral("TMPDIR"), temp->path());
    for (auto [name, value] : extraEnvironment.asKeyValueRange()) env.insert(name, value);
    return env;
  }
  QProcess* Prepare(const QProcessEnvironment& env) {
    auto* copy = new QProcess(this);
    copy->setProcessEnvironment(env);
    copy->setProgram(program);
    // Each copy in a folder of its own, which must stay empty.
    const QString cwd = QDir(workingFolders->path()).filePath(QString::number(copies.size()));
    QDir().mkpath(cwd);
    copy->setWorkingDirectory(cwd);
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
    workingFolders = std::make_unique<QTemporaryDir>();
    QVERIFY(runtime->isValid() && config->isValid() && home->isValid() && temp->isValid() && workingFolders->isValid());
    program = qEnvironmentVariable("SCARABINE_EXE");
    extraEnvironment.clear();
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
    workingFolders.reset();
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

  // Whatever was left at the lock's or the settings' place, or planted
  // beside them or the program, the program shows its main window within a
  // second, keeps every file that is not its own, and runs no code it did
  // not bring; only a running copy of this user's refuses a start, and of
  // copies started at once exactly one runs.
  void leftoversNeverKeepTheWindowAway_data() {
    QTest::addColumn<QString>("lock");
    QTest::addColumn<QString>("store");
    QTest::addColumn<int>("atOnce");
    QTest::addColumn<bool>("guarded");  // a later start is refused
    QTest::addColumn<QString>("planted");
    const auto row = [](const char* name, const char* lock, const char* store, int atOnce, bool guarded,
                        const char* planted = "") {
      QTest::addRow("%s", name) << lock << store << atOnce << guarded << planted;
    };
    row("nothing left", "none", "none", 10, true);
    row("empty lock", "empty", "none", 3, true);
    row("garbage lock", "garbage", "none", 3, true);
    row("lock of a killed copy", "killed", "none", 3, true);
    row("lock naming another host", "other host", "none", 3, true);
    row("lock naming a process id now reused by another program", "reused pid", "none", 3, true);
    row("folder at the lock path", "folder", "none", 3, true);
    row("lock file of another user", "other user's file", "none", 3, true);
    row("another user's copy in the fallback place", "other user's copy", "none", 3, true);
    // Never followed: the program runs, unguarded.
    row("planted link as the fallback folder", "planted link", "none", 1, false);
    row("FIFO at the settings path", "none", "fifo", 1, true);
    row("folder at the settings path", "none", "folder", 1, true);
    row("huge settings file", "none", "huge", 1, true);
    row("settings a link to someone's file", "none", "link", 1, true);
    // QSettings' lock beside the store, and Qt's own beside its settings,
    // which the Save As dialog reads and writes.
    for (const char* kind : {"FIFO", "folder", "fresh file"}) {
      row(qPrintable(QStringLiteral("%1 at the settings lock").arg(kind)), "none", "none", 1, true,
          qPrintable(QStringLiteral("settings lock %1").arg(kind)));
      row(qPrintable(QStringLiteral("%1 at Qt's settings lock, then Save").arg(kind)), "none", "none", 1, true,
          qPrintable(QStringLiteral("Qt lock %1").arg(kind)));
    }
    // The lock falls back to the shared temporary folder, never the working one.
    row("TMPDIR missing", "folder", "none", 2, true, "TMPDIR missing");
    row("TMPDIR relative", "folder", "none", 2, true, "TMPDIR relative");
    row("the disk refuses the saved report", "none", "none", 1, true, "sync fails");
    // Print loads a module only from a place no other user can change.
    row("print module beside the program: prints", "none", "none", 1, true, "module");
    row("print module in a folder anyone may write", "none", "none", 1, true, "module in a shared folder");
    // An installed copy put in a shared folder: its install's module folder
    // lies in that shared folder, where another user planted a module.
    row("print module planted where an installed copy looks", "none", "none", 1, true, "module under lib");
    row("print module of another user", "none", "none", 1, true, "module of another user");
    row("print module cut to 1 KB", "none", "none", 1, true, "module cut to 1024");
    row("print module cut to 4 KB", "none", "none", 1, true, "module cut to 4096");
  }
  void leftoversNeverKeepTheWindowAway() {
    QFETCH(QString, lock);
    QFETCH(QString, store);
    QFETCH(int, atOnce);
    QFETCH(bool, guarded);
    QFETCH(QString, planted);
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

    // What is not the program's own, as it was before the start.
    QHash<QString, QString> kept;
    const auto keep = [&](const QString& path) { kept.insert(path, Snapshot(path)); };
    QString drive;
    const QString reports = QDir(home->path()).filePath(QStringLiteral("reports"));
    QVERIFY(QDir().mkpath(reports));
    const QString saved = QDir(reports).filePath(QStringLiteral("report.rtf"));
    const QString lockBeside = planted.startsWith(QStringLiteral("settings lock"))
                                   ? StorePath() + QStringLiteral(".lock")
                                   : QDir(config->path()).filePath(QStringLiteral("QtProject.conf.lock"));
    if (planted.contains(QStringLiteral(" lock "))) {
      if (planted.endsWith(QStringLiteral("FIFO"))) {
        QCOMPARE(mkfifo(QFile::encodeName(lockBeside).constData(), 0600), 0);
      } else if (planted.endsWith(QStringLiteral("folder"))) {
        QVERIFY(QDir().mkdir(lockBeside));
      } else {
        QVERIFY(WriteAll(lockBeside, QByteArray::number(getpid()) + "\nsomeone\n"));
      }
      keep(lockBeside);
      if (planted.startsWith(QStringLiteral("Qt lock"))) drive = QStringLiteral("save:") + saved;
    } else if (planted.startsWith(QStringLiteral("TMPDIR"))) {
      extraEnvironment.insert(QStringLiteral("TMPDIR"), planted.endsWith(QStringLiteral("missing"))
                                                           ? QDir(temp->path()).filePath(QStringLiteral("gone"))
                                                           : QStringLiteral("relative"));
    } else if (planted == QStringLiteral("sync fails")) {
      QVERIFY(WriteAll(saved, "{\\rtf1 last week's report}"));
      keep(saved);
      extraEnvironment.insert(QStringLiteral("SCARABINE_FAIL_SYNC"), QStringLiteral("1"));
      drive = QStringLiteral("save:") + saved;
    } else if (planted.startsWith(QStringLiteral("module"))) {
      const bool shared = planted.endsWith(QStringLiteral("shared folder"));
      const bool underLib = planted.endsWith(QStringLiteral("under lib"));
      const QString bindir = qEnvironmentVariable("SCARABINE_INSTALL_BINDIR");
      const QString folder =
          underLib ? QDir(temp->path()).filePath(bindir) : QDir(shared ? temp->path() : home->path()).filePath(QStringLiteral("bin"));
      QVERIFY(QDir().mkpath(folder));
      if (shared) QCOMPARE(chmod(QFile::encodeName(folder).constData(), 0777), 0);
      const QString moduleFolder =
          underLib ? QDir(temp->path()).filePath(qEnvironmentVariable("SCARABINE_INSTALL_MODULEDIR")) : folder;
      QVERIFY(QDir().mkpath(moduleFolder));
      const passwd* other = OtherUser();
      // Planted by someone else where they can: the folders and the module.
      if (underLib && other) {
        for (QString at = moduleFolder; at != temp->path(); at = QFileInfo(at).path()) QVERIFY(GiveTo(at, other->pw_uid));
      }
      const QString module = QDir(moduleFolder).filePath(QFileInfo(qEnvironmentVariable("SCARABINE_PRINT_MODULE")).fileName());
      program = QDir(folder).filePath(QFileInfo(program).fileName());
      QVERIFY(QFile::copy(qEnvironmentVariable("SCARABINE_EXE"), program));
      QVERIFY(QFile::copy(qEnvironmentVariable("SCARABINE_PRINT_MODULE"), module));
      if (planted.endsWith(QStringLiteral("another user")) || underLib) {
        if (!other) QSKIP("only root can plant a file of another user's");
        QVERIFY(GiveTo(module, other->pw_uid));
      } else if (planted.contains(QStringLiteral("cut to"))) {
        QVERIFY(QFile::resize(module, planted.section(u' ', -1).toLongLong()));
      }
      if (planted != QStringLiteral("module")) keep(module);
      drive = QStringLiteral("print");
    }
    if (store == QStringLiteral("link")) {
      // Someone's notes, which the settings file was made to point at.
      const QString notes = QDir(elsewhere.path()).filePath(QStringLiteral("notes.txt"));
      QVERIFY(WriteAll(notes, "My secret notes, which nobody may overwrite.\n"));
      if (const passwd* other = OtherUser()) QVERIFY(GiveTo(notes, other->pw_uid));
      QVERIFY(QFile::link(notes, StorePath()));
      keep(notes);
    }
    if (!drive.isEmpty()) extraEnvironment.insert(QStringLiteral("SCARABINE_DRIVE"), drive);

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
    // From the program's start to its window; a start that waits on a
    // planted file shows it late or never.
    const qint64 shownAfter = Said(survivor).section(QStringLiteral("shown after: "), 1).section(u'\n', 0, 0).toLongLong();
    QVERIFY2(shownAfter < ShowLimitMs, qPrintable(QStringLiteral("%1 ms").arg(shownAfter)));

    if (drive.startsWith(QStringLiteral("save"))) {
      QTRY_VERIFY_WITH_TIMEOUT(Said(survivor).contains(QStringLiteral("done: save")), 60000);
      const bool failing = planted == QStringLiteral("sync fails");
      // A save the disk refused says so, and names the reason.
      QCOMPARE(Said(survivor).contains(QStringLiteral("message: The report could not be saved to %1").arg(saved)),
               failing);
      if (failing) {
        QVERIFY2(Said(survivor).contains(QString::fromLocal8Bit(std::strerror(ENOSPC))), qPrintable(Said(survivor)));
      } else {
        QVERIFY(ReadAllBytes(saved).startsWith("{\\rtf1"));
      }
      QCOMPARE(QDir(reports).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
               QStringList{QStringLiteral("report.rtf")});
      // Qt's own settings are neither read nor written.
      QVERIFY(!QFileInfo::exists(QDir(config->path()).filePath(QStringLiteral("QtProject.conf"))));
    } else if (drive == QStringLiteral("print")) {
      QTRY_VERIFY_WITH_TIMEOUT(Said(survivor).contains(QStringLiteral("done: print")), 60000);
      const bool prints = planted == QStringLiteral("module");
      QVERIFY2(Said(survivor).contains(QStringLiteral("shown: print dialog")) == prints, qPrintable(Said(survivor)));
      QVERIFY2(Said(survivor).contains(QStringLiteral(
                   "message: The report could not be printed: printing is not installed.")) != prints,
               qPrintable(Said(survivor)));
    }

    // A first start, as far as the reminder can tell: today is stored after
    // the first frame, in a fresh small file, unless a folder is in the way
    // or the disk refuses it.
    if (store == QStringLiteral("folder")) {
      QVERIFY(QFileInfo(StorePath()).isDir());
    } else if (planted == QStringLiteral("sync fails")) {
      QVERIFY(!QFileInfo::exists(StorePath()));
    } else {
      auto storedToday = [&] {
        const QFileInfo file(StorePath());
        if (!file.isFile() || file.isSymLink() || file.size() > 1024) return false;
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
    for (auto [path, before] : kept.asKeyValueRange()) QVERIFY2(Snapshot(path) == before, qPrintable(path));
    // Nothing is made where the program was started from.
    for (const QString& cwd : QDir(workingFolders->path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
      QVERIFY2(QDir(QDir(workingFolders->path()).filePath(cwd)).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
               qPrintable(cwd));
    }
  }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
