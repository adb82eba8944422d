#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/frmabout.h"
#include "app/frmmain.h"
#include "app/messages.h"
#include "app/windows.h"
#include "report/dialogs.h"
#include "report/frmdisplay.h"
#include "support/urlcatcher.h"
#include "web/frmfarewell.h"
#include "web/pages.h"

namespace {

enum class Window { Main, Report, Farewell };
enum class Effect {
  Opens,         // the page in `detail` (for the referral: an address starting with it)
  SavesReport,   // the Save As dialog comes up (and is cancelled)
  PrintsReport,  // the Print dialog comes up (and is cancelled)
  ShowsAbout,    // the about box comes up modally
  Computes,      // the report window comes up
  GoesBack,      // the main window comes back and the report window goes
  Exits,         // the window goes and the farewell window comes up
  EndsProgram,   // every window goes
  Nothing,
};

// The access keys a window's own captions carry (buttons and menu bar),
// as Alt+letter.
QStringList AccessKeys(QWidget* window) {
  QStringList keys;
  auto add = [&keys](const QString& caption) {
    const QKeySequence key = QKeySequence::mnemonic(caption);
    if (!key.isEmpty()) keys << key.toString(QKeySequence::PortableText);
  };
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
    if (button->window() == window && !button->isHidden()) add(button->text());
  if (auto* bar = window->findChild<QMenuBar*>())
    for (QAction* action : bar->actions())
      if (action->isVisible()) add(action->text());
  return keys;
}

}  // namespace

Q_DECLARE_METATYPE(Window)
Q_DECLARE_METATYPE(Effect)

class TestAccessKeys : public QObject {
  Q_OBJECT
  std::unique_ptr<UrlCatcher> urls;
  QPointer<QWidget> window;

  void Show(Window which) {
    switch (which) {
      case Window::Main: {
        auto* form = SharedWindow<FrmMain>::Get();
        // Valid input, so the compute command goes through to the report.
        form->txtName()->setText(QStringLiteral("ANN"));
        form->txtPartnerName()->setText(QStringLiteral("BOB"));
        window = form;
        break;
      }
      case Window::Report:
        window = SharedWindow<FrmDisplay>::Get();
        break;
      case Window::Farewell: {
        window = SharedWindow<FrmFarewell>::Get();
        const QList<QPair<const char*, const char*>> boxes{{"txtName", "ANN"},
                                                           {"txtEmail", "ann@example.com"},
                                                           {"txtFriendName", "BOB"},
                                                           {"txtFriendEmail", "bob@example.com"}};
        for (const auto& [box, text] : boxes) window->findChild<QLineEdit*>(box)->setText(QString::fromLatin1(text));
        break;
      }
    }
    window->show();
    window->activateWindow();
  }

 private slots:
  void init() {
    Messages::StartRecording();
    SaveDialog::StartRecording();
    PrintDialog::StartRecording();
    LoadedWindows::ResetForTests();
    urls = std::make_unique<UrlCatcher>();
  }
  void cleanup() {
    for (QWidget* w : LoadedWindows::InLoadOrder()) delete w;
    urls.reset();
    PrintDialog::StopRecording();
    SaveDialog::StopRecording();
    Messages::StopRecording();
    LoadedWindows::ResetForTests();
  }

  // Each window's keys are distinct (a clash would leave one unreachable)
  // and are the ones the next test presses.
  void everyWindowsKeysAreDistinct_data() {
    QTest::addColumn<Window>("which");
    QTest::addColumn<QStringList>("keys");
    QTest::addRow("main") << Window::Main << QStringList{"Alt+E", "Alt+F", "Alt+H", "Alt+D"};
    QTest::addRow("report") << Window::Report
                            << QStringList{"Alt+B", "Alt+E", "Alt+S", "Alt+P", "Alt+F", "Alt+H", "Alt+D"};
    QTest::addRow("farewell") << Window::Farewell << QStringList{"Alt+X", "Alt+N"};
  }
  void everyWindowsKeysAreDistinct() {
    QFETCH(Window, which);
    QFETCH(QStringList, keys);
    Show(which);
    QStringList found = AccessKeys(window);
    found.sort();
    keys.sort();
    QCOMPARE(found, keys);
    for (const QString& key : found) QCOMPARE(found.count(key), 1);
    for (QMenu* menu : window->findChildren<QMenu*>()) {
      QStringList entries;
      for (QAction* action : menu->actions())
        if (!action->isSeparator()) entries << QKeySequence::mnemonic(action->text()).toString();
      for (const QString& entry : entries)
        QVERIFY2(entry.isEmpty() || entries.count(entry) == 1, qPrintable(menu->objectName() + " " + entry));
    }
  }

  void accessKey_data() {
    QTest::addColumn<Window>("which");
    QTest::addColumn<Qt::Key>("altKey");
    QTest::addColumn<QString>("menu");  // the menu Alt+key opens, if any
    QTest::addColumn<Qt::Key>("entryKey");
    QTest::addColumn<Effect>("effect");
    QTest::addColumn<QString>("detail");
    const Qt::Key none = Qt::Key_unknown;

    QTest::addRow("main: Get My Egyptian Astrology Compatibility")
        << Window::Main << Qt::Key_E << "" << none << Effect::Computes << "";
    QTest::addRow("main: File, Exit") << Window::Main << Qt::Key_F << "mnuFile" << Qt::Key_X << Effect::Exits << "";
    QTest::addRow("main: Help, Online Help")
        << Window::Main << Qt::Key_H << "mnuHelp" << Qt::Key_O << Effect::Opens << PageAddress(Page::Help);
    QTest::addRow("main: Help, Visit Us Online")
        << Window::Main << Qt::Key_H << "mnuHelp" << Qt::Key_V << Effect::Opens << PageAddress(Page::Home);
    QTest::addRow("main: Help, Check for Software Update")
        << Window::Main << Qt::Key_H << "mnuHelp" << Qt::Key_U << Effect::Opens << PageAddress(Page::Download);
    QTest::addRow("main: Help, About Software")
        << Window::Main << Qt::Key_H << "mnuHelp" << Qt::Key_A << Effect::ShowsAbout << "";
    QTest::addRow("main: Donate") << Window::Main << Qt::Key_D << "" << none << Effect::Opens
                                  << PageAddress(Page::Donate);
    QTest::addRow("main: hidden Make Money Online does nothing")
        << Window::Main << Qt::Key_O << "" << none << Effect::Nothing << "";

    QTest::addRow("report: Save") << Window::Report << Qt::Key_S << "" << none << Effect::SavesReport << "";
    QTest::addRow("report: Print") << Window::Report << Qt::Key_P << "" << none << Effect::PrintsReport << "";
    QTest::addRow("report: Back") << Window::Report << Qt::Key_B << "" << none << Effect::GoesBack << "";
    QTest::addRow("report: Exit") << Window::Report << Qt::Key_E << "" << none << Effect::Exits << "";
    QTest::addRow("report: File, Save") << Window::Report << Qt::Key_F << "mnuFile" << Qt::Key_S << Effect::SavesReport
                                        << "";
    QTest::addRow("report: File, Print") << Window::Report << Qt::Key_F << "mnuFile" << Qt::Key_P
                                         << Effect::PrintsReport << "";
    QTest::addRow("report: File, Back") << Window::Report << Qt::Key_F << "mnuFile" << Qt::Key_B << Effect::GoesBack
                                        << "";
    QTest::addRow("report: File, Exit") << Window::Report << Qt::Key_F << "mnuFile" << Qt::Key_X << Effect::Exits << "";
    QTest::addRow("report: Help, Online Help")
        << Window::Report << Qt::Key_H << "mnuHelp" << Qt::Key_O << Effect::Opens << PageAddress(Page::Help);
    QTest::addRow("report: Help, Visit Us Online")
        << Window::Report << Qt::Key_H << "mnuHelp" << Qt::Key_V << Effect::Opens << PageAddress(Page::Home);
    QTest::addRow("report: Help, Check for Software Update")
        << Window::Report << Qt::Key_H << "mnuHelp" << Qt::Key_C << Effect::Opens << PageAddress(Page::Download);
    QTest::addRow("report: Help, About Software")
        << Window::Report << Qt::Key_H << "mnuHelp" << Qt::Key_A << Effect::ShowsAbout << "";
    QTest::addRow("report: Donate") << Window::Report << Qt::Key_D << "" << none << Effect::Opens
                                    << PageAddress(Page::Donate);

    QTest::addRow("farewell: Refer A Friend Now")
        << Window::Farewell << Qt::Key_N << "" << none << Effect::Opens << PageAddress(Page::ReferAFriend);
    QTest::addRow("farewell: Exit") << Window::Farewell << Qt::Key_X << "" << none << Effect::EndsProgram << "";
  }
  void accessKey() {
    QFETCH(Window, which);
    QFETCH(Qt::Key, altKey);
    QFETCH(QString, menu);
    QFETCH(Qt::Key, entryKey);
    QFETCH(Effect, effect);
    QFETCH(QString, detail);
    Show(which);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);

    QString aboutShown;
    if (effect == Effect::ShowsAbout) {
      QTimer::singleShot(0, this, [&aboutShown] {
        if (QWidget* box = QApplication::activeModalWidget()) {
          aboutShown = box->objectName();
          box->close();
        }
      });
    }

    QTest::keyClick(focus, altKey, Qt::AltModifier);
    if (!menu.isEmpty()) {
      QWidget* popup = QApplication::activePopupWidget();
      QVERIFY2(popup && popup->objectName() == menu, "the menu did not open");
      QTest::keyClick(popup, entryKey);
      QVERIFY(!QApplication::activePopupWidget());
    }

    // A button's access key clicks it with a short animation, so its effect
    // comes a moment later.
    auto seen = [&]() -> bool {
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      switch (effect) {
        case Effect::Opens:
          return !urls->opened.isEmpty();
        case Effect::SavesReport:
          return !SaveDialog::Recorded().isEmpty();
        case Effect::PrintsReport:
          return !PrintDialog::Recorded().isEmpty();
        case Effect::ShowsAbout:
          return !aboutShown.isEmpty();
        case Effect::Computes:
          return SharedWindow<FrmDisplay>::IfLoaded() != nullptr;
        case Effect::GoesBack:
        case Effect::Exits:
        case Effect::EndsProgram:
          return window.isNull();
        case Effect::Nothing:
          return true;
      }
      return false;
    };
    QTRY_VERIFY(seen());

    switch (effect) {
      case Effect::Opens:
        QCOMPARE(urls->opened.size(), 1);
        QVERIFY2(urls->opened.first().startsWith(detail), qPrintable(urls->opened.first()));
        break;
      case Effect::SavesReport:
        QCOMPARE(SaveDialog::Recorded().size(), 1);
        break;
      case Effect::PrintsReport:
        QCOMPARE(PrintDialog::Recorded().size(), 1);
        break;
      case Effect::ShowsAbout:
        QCOMPARE(aboutShown, QStringLiteral("frmAbout"));
        break;
      case Effect::Computes:
        QVERIFY(SharedWindow<FrmDisplay>::IfLoaded()->isVisible());
        break;
      case Effect::GoesBack:
        QVERIFY(SharedWindow<FrmMain>::IfLoaded());
        QVERIFY(SharedWindow<FrmMain>::IfLoaded()->isVisible());
        break;
      case Effect::Exits:
        QVERIFY(SharedWindow<FrmFarewell>::IfLoaded());
        QVERIFY(SharedWindow<FrmFarewell>::IfLoaded()->isVisible());
        break;
      case Effect::EndsProgram:
        QVERIFY(LoadedWindows::ShutdownBegun());
        QVERIFY(LoadedWindows::InLoadOrder().isEmpty());
        break;
      case Effect::Nothing:
        QVERIFY(window && window->isVisible());
        QVERIFY(urls->opened.isEmpty());
        break;
    }
    if (effect != Effect::Opens && effect != Effect::Nothing) QVERIFY(urls->opened.isEmpty());
    QVERIFY(Messages::Recorded().isEmpty());
  }
};

#include "tst_accesskeys.moc"
QTEST_MAIN(TestAccessKeys)
