// Preloaded into the real program by every test that starts it (see
// support/driven.h): drives it as a user would and says on stderr what it
// showed. The program itself reads none of this.
//   - "shown: frmMain" when the main window first shows, then
//     "shown after: <ms>" since the program was started;
//   - "message: <text>" for every message box, which it then answers (Yes to
//     replacing a file, otherwise No or OK);
//   - SCARABINE_DRIVE=save:<file> computes ANN and BOB and saves the report
//     to <file> through the real Save As dialog; SCARABINE_DRIVE=print
//     computes and presses Print, cancelling a Print dialog if one shows
//     ("shown: print dialog"); either ends with "done: save" or "done: print";
//   - SCARABINE_FAIL_SYNC=1 makes every fsync and fdatasync fail with ENOSPC,
//     as a full disk does when the data reaches it.
#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cerrno>
#include <cstdio>
#include <dlfcn.h>
#include <unistd.h>

namespace {

QElapsedTimer& SinceStart() {
  static QElapsedTimer timer;
  return timer;
}
[[maybe_unused]] const bool started = [] {
  SinceStart().start();
  return true;
}();

void Say(const QString& line) {
  std::fprintf(stderr, "%s\n", qUtf8Printable(line));
  std::fflush(stderr);
}

QWidget* Visible(const char* name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QLatin1String(name) && w->isVisible()) return w;
  return nullptr;
}

template <class T>
T* Find(QWidget* window, const char* name) {
  return window ? window->findChild<T*>(QLatin1String(name)) : nullptr;
}

class Driver : public QObject {
 public:
  Driver() : QObject(qApp), drive_(qEnvironmentVariable("SCARABINE_DRIVE")) {
    connect(&tick_, &QTimer::timeout, this, &Driver::Step);
    tick_.start(20);
  }

 private:
  void Step() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (!w->isVisible()) continue;
      if (auto* box = qobject_cast<QMessageBox*>(w); box && !answered_.contains(box)) {
        answered_.append(box);
        Say(QStringLiteral("message: ") + box->text());
        QAbstractButton* button = box->button(box->text().contains(QStringLiteral("already exists"))
                                                  ? QMessageBox::Yes
                                                  : QMessageBox::No);
        if (!button) button = box->button(QMessageBox::Ok);
        if (!button && !box->buttons().isEmpty()) button = box->buttons().first();
        QTimer::singleShot(0, button, &QAbstractButton::click);
        return;
      }
      // Typed into the name box, as a user would: selectFile() leaves that
      // box alone once it holds the focus, and the dialog would then only
      // open the folder. Answered again on every tick while it stays open.
      if (auto* dialog = qobject_cast<QFileDialog*>(w)) {
        const QString file = drive_.section(u':', 1);
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
          name->setText(file);
        } else {
          dialog->selectFile(file);
        }
        QTimer::singleShot(0, dialog, &QDialog::accept);
        return;
      }
      if (w->inherits("QPrintDialog") && !answered_.contains(w)) {
        answered_.append(w);
        Say(QStringLiteral("shown: print dialog"));
        QTimer::singleShot(0, static_cast<QDialog*>(w), &QDialog::reject);
        return;
      }
    }
    if (!shown_ && Visible("frmMain")) {
      shown_ = true;
      Say(QStringLiteral("shown: frmMain"));
      Say(QStringLiteral("shown after: %1").arg(SinceStart().elapsed()));
    }
    if (!shown_ || drive_.isEmpty() || done_) return;
    if (QWidget* main = Visible("frmMain"); main && !computed_) {
      computed_ = true;
      Find<QLineEdit>(main, "txtName")->setText(QStringLiteral("ANN"));
      Find<QLineEdit>(main, "txtPartnerName")->setText(QStringLiteral("BOB"));
      QTimer::singleShot(0, Find<QPushButton>(main, "Command1"), &QAbstractButton::click);
      return;
    }
    if (QWidget* report = Visible("frmDisplay")) {
      done_ = true;
      const bool save = drive_.startsWith(QStringLiteral("save:"));
      QPushButton* button = Find<QPushButton>(report, save ? "cmdSave" : "cmdPrint");
      QTimer::singleShot(0, button, [button, save] {
        button->click();  // returns once the command has ended
        Say(save ? QStringLiteral("done: save") : QStringLiteral("done: print"));
      });
    }
  }

  QString drive_;
  QTimer tick_;
  QList<QObject*> answered_;
  bool shown_ = false;
  bool computed_ = false;
  bool done_ = false;
};

void StartDriver() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance())) new Driver;
}

bool SyncFails() { return qEnvironmentVariableIsSet("SCARABINE_FAIL_SYNC"); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(StartDriver)

extern "C" {
Q_DECL_EXPORT int fsync(int fd) {
  if (SyncFails()) {
    errno = ENOSPC;
    return -1;
  }
  static auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
  return real(fd);
}
Q_DECL_EXPORT int fdatasync(int fd) {
  if (SyncFails()) {
    errno = ENOSPC;
    return -1;
  }
  static auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fdatasync"));
  return real(fd);
}
}
