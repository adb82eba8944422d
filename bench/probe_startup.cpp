// Start-up probe: the program's real start-up (single-instance check, update
// reminder, main window) up to the main window's first paint, then quit.
// Settings and the instance lock live in fresh folders, as on a first start,
// so the reminder only stores today's date and never asks.
//
// With --settings DIR the caller provides the folders, so the probe spends
// nothing of its own on them: settings in DIR, the instance lock in
// $XDG_RUNTIME_DIR. An empty DIR makes a first start; after one, every
// later start there is a usual one, which reads the date and stores nothing.
#include "app/frmmain.h"
#include "app/startup.h"
#include "app/windows.h"
#include "firstpaint.h"
#include "ui/look.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <optional>

// The runtime folder is a memory file system on a desktop (/run/user/N);
// /dev/shm stands in for it, so the instance lock is not synced to a disk
// that a real start would never touch.
QString RuntimeTemplate() {
  const QFileInfo shm(QStringLiteral("/dev/shm"));
  const QString parent = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
  return parent + QStringLiteral("/scarabine-probe-XXXXXX");
}

int main(int argc, char* argv[]) {
  // Static, so they outlive the instance lock the program holds until exit:
  // the lock file is removed before its folder is.
  static std::optional<QTemporaryDir> config, runtime;
  if (argc == 3 && std::strcmp(argv[1], "--settings") == 0) {
    qputenv("XDG_CONFIG_HOME", argv[2]);
  } else {
    config.emplace();
    runtime.emplace(RuntimeTemplate());
    if (!config->isValid() || !runtime->isValid()) return 2;
    qputenv("XDG_CONFIG_HOME", config->path().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", runtime->path().toLocal8Bit());
  }

  QApplication app(argc, argv);
  InstallWindowLook();
  if (!RunStartup()) return 3;
  FrmMain* window = Windows::MainIfLoaded();
  if (window == nullptr || !window->isVisible()) {
    std::fputs("probe_startup: the main window was not shown\n", stderr);
    return 4;
  }
  QuitAfterFirstPaint quit(window);
  const int status = QApplication::exec();
  if (!quit.Painted()) return 5;
  return status;
}
