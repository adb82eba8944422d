#include <QApplication>
#include <QKeySequence>
#include <QLocale>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/frmabout.h"
#include "app/frmmain.h"
#include "ui/messages.h"
#include "app/windows.h"
#include "app/wiring.h"
#include "ui/dialogs.h"
#include "report/frmdisplay.h"
#include "support/guitest.h"
#include "support/urlcatcher.h"
#include "web/frmfarewell.h"
#include "ui/pages.h"
#include "ui/translation.h"

namespace {

enum class Window { Main, Report, Farewell };
enum class Effect {
  Opens,         // the page in `detail` (the referral adds its values after it)
  SavesReport,   // the Save As dialog comes up (and is cancelled)
  PrintsReport,  // the Print dialog comes up (and is cancelled)
  ShowsAbout,    // the about box comes up modally
  Computes,      // the report window comes up
  GoesBack,      // the main window comes back and the report window goes
  Exits,         // the window goes and the farewell window comes up
  EndsProgram,   // every window goes
  Nothing,
};

// Each entry's page, written out in full.
QString Address(const char* key) { return QStringLiteral("http://www.orlenda.com/scarabine/ssd.php?page=") + key; }

}  // namespace

Q_DECLARE_METATYPE(Window)
Q_DECLARE_METATYPE(Effect)

class TestAccessKeys : public QObject {
  Q_OBJECT
  std::unique_ptr<UrlCatcher> urls;
  QPointer<QWidget> window;

  // Valid input in each window, so its commands go through.
  void Show(Window which) {
    QList<QPair<const char*, const char*>> boxes;
    if (which == Window::Main) {
      window = Windows::Main();
      boxes = {{"txtName", "ANN"}, {"txtPartnerName", "BOB"}};
    } else if (which == Window::Report) {
      window = Windows::Report();
    } else {
      window = Windows::Farewell();
      boxes = {{"txtName", "ANN"}, {"txtEmail", "a@b.c"}, {"txtFriendName", "BOB"}, {"txtFriendEmail", "b@b.c"}};
    }
    for (const auto& [box, text] : boxes) window->findChild<QLineEdit*>(box)->setText(QString::fromLatin1(text));
    window->show();
    window->activateWindow();
  }

 private slots:
  void initTestCase() {
    // In a translated language too, when CTest names one: the keys are the translation's.
    if (const QString language = qEnvironmentVariable("SCARABINE_TEST_LANGUAGE"); !language.isEmpty()) {
      InstallTranslators(QLocale(language));
      QCOMPARE(ProgramLanguage(), language);
    }
    WireWindows();  // as start-up does
  }
  void init() {
    Messages::StartRecording();
    SaveDialog::StartRecording();
    PrintDialog::StartRecording();
    Windows::ResetForTests();
    urls = std::make_unique<UrlCatcher>();
  }
  void cleanup() {
    urls.reset();
    PrintDialog::StopRecording();
    SaveDialog::StopRecording();
    UnloadAllWindows();
  }

  void accessKey_data() {
    QTest::addColumn<Window>("which");
    QTest::addColumn<Qt::Key>("altKey");
    QTest::addColumn<QString>("menu");  // the menu Alt+key opens, if any
    QTest::addColumn<Qt::Key>("entryKey");
    QTest::addColumn<Effect>("effect");
    QTest::addColumn<QString>("detail");
    const Qt::Key none = Qt::Key_unknown;
    // Each caption's own key, as the window shows it in the language the test runs in.
    const auto key = [](const char* context, const char* caption) {
      const QKeySequence mnemonic = QKeySequence::mnemonic(QCoreApplication::translate(context, caption));
      return mnemonic.isEmpty() ? Qt::Key_unknown : mnemonic[0].key();
    };
    const Qt::Key mainFile = key("FrmMain", "&File"), reportFile = key("FrmDisplay", "&File");
    const Qt::Key help = key("SharedMenus", "&Help"), donate = key("SharedMenus", "&Donate");

    QTest::addRow("main: Get My Egyptian Astrology Compatibility")
        << Window::Main << key("FrmMain", "Get My &Egyptian Astrology Compatibility") << "" << none
        << Effect::Computes << "";
    QTest::addRow("main: File, Exit") << Window::Main << mainFile << "mnuFile" << key("FrmMain", "E&xit")
                                      << Effect::Exits << "";
    QTest::addRow("main: Help, Online Help") << Window::Main << help << "mnuHelp" << key("SharedMenus", "&Online Help")
                                             << Effect::Opens << Address("help-web-page");
    QTest::addRow("main: Help, Visit Us Online") << Window::Main << help << "mnuHelp"
                                                 << key("SharedMenus", "&Visit Us Online") << Effect::Opens
                                                 << Address("home-page");
    QTest::addRow("main: Help, Check for Software Update")
        << Window::Main << help << "mnuHelp" << key("SharedMenus", "Check for Software &Update") << Effect::Opens
        << Address("download-web-page");
    QTest::addRow("main: Help, About Software") << Window::Main << help << "mnuHelp"
                                                << key("SharedMenus", "&About Software") << Effect::ShowsAbout << "";
    QTest::addRow("main: Donate") << Window::Main << donate << "" << none << Effect::Opens << Address("donate");
    QTest::addRow("main: hidden Make Money Online does nothing")
        << Window::Main << key("SharedMenus", "Make Money &Online") << "" << none << Effect::Nothing << "";

    QTest::addRow("report: Save") << Window::Report << key("FrmDisplay", "&Save") << "" << none
                                  << Effect::SavesReport << "";
    QTest::addRow("report: Print") << Window::Report << key("FrmDisplay", "&Print") << "" << none
                                   << Effect::PrintsReport << "";
    QTest::addRow("report: Back") << Window::Report << key("FrmDisplay", "&Back") << "" << none << Effect::GoesBack
                                  << "";
    QTest::addRow("report: Exit") << Window::Report << key("FrmDisplay", "&Exit") << "" << none << Effect::Exits
                                  << "";
    QTest::addRow("report: File, Save") << Window::Report << reportFile << "mnuFile" << key("FrmDisplay", "&Save")
                                        << Effect::SavesReport << "";
    QTest::addRow("report: File, Print") << Window::Report << reportFile << "mnuFile" << key("FrmDisplay", "&Print")
                                         << Effect::PrintsReport << "";
    QTest::addRow("report: File, Back") << Window::Report << reportFile << "mnuFile" << key("FrmDisplay", "&Back")
                                        << Effect::GoesBack << "";
    QTest::addRow("report: File, Exit") << Window::Report << reportFile << "mnuFile" << key("FrmDisplay", "E&xit")
                                        << Effect::Exits << "";
    QTest::addRow("report: Help, Online Help")
        << Window::Report << help << "mnuHelp" << key("SharedMenus", "&Online Help") << Effect::Opens
        << Address("help-web-page");
    QTest::addRow("report: Help, Visit Us Online")
        << Window::Report << help << "mnuHelp" << key("SharedMenus", "&Visit Us Online") << Effect::Opens
        << Address("home-page");
    QTest::addRow("report: Help, Check for Software Update")
        << Window::Report << help << "mnuHelp" << key("SharedMenus", "&Check for Software Update") << Effect::Opens
        << Address("download-web-page");
    QTest::addRow("report: Help, About Software") << Window::Report << help << "mnuHelp"
                                                  << key("SharedMenus", "&About Software") << Effect::ShowsAbout << "";
    QTest::addRow("report: Donate") << Window::Report << donate << "" << none << Effect::Opens << Address("donate");

    QTest::addRow("farewell: Refer A Friend Now")
        << Window::Farewell << key("FrmFarewell", "Refer A Friend &Now") << "" << none << Effect::Opens
        << PageAddress(Page::ReferAFriend);
    QTest::addRow("farewell: Exit") << Window::Farewell << key("FrmFarewell", "E&xit") << "" << none
                                    << Effect::EndsProgram << "";
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

    // The letter goes with its key, as a keyboard of the language sends it
    // (an Arabic letter, Ü): menus match the text.
    const auto press = [](QWidget* target, Qt::Key letter, Qt::KeyboardModifiers modifiers) {
      QTest::sendKeyEvent(QTest::Click, target, letter, QString(QChar(char16_t(letter)).toLower()), modifiers);
    };
    QVERIFY2(altKey != Qt::Key_unknown && (menu.isEmpty() || entryKey != Qt::Key_unknown), "no access key");
    press(focus, altKey, Qt::AltModifier);
    if (!menu.isEmpty()) {
      QWidget* popup = QApplication::activePopupWidget();
      QVERIFY2(popup && popup->objectName() == menu, "the menu did not open");
      press(popup, entryKey, Qt::NoModifier);
      QVERIFY(!QApplication::activePopupWidget());
    }

    // A button's access key clicks it with a short animation, so its effect
    // comes a moment later.
    auto done = [&]() -> bool {
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      auto shown = [](QWidget* w) { return w && w->isVisible(); };
      switch (effect) {
        case Effect::Opens: return urls->opened.size() == 1 && urls->opened.first().section(u'&', 0, 0) == detail;
        case Effect::SavesReport: return SaveDialog::Recorded().size() == 1;
        case Effect::PrintsReport: return PrintDialog::Recorded().size() == 1;
        case Effect::ShowsAbout: return aboutShown == QStringLiteral("frmAbout");
        case Effect::Computes: return shown(Windows::ReportIfLoaded());
        case Effect::GoesBack: return window.isNull() && shown(Windows::MainIfLoaded());
        case Effect::Exits: return window.isNull() && shown(Windows::FarewellIfLoaded());
        case Effect::EndsProgram: return Windows::ShutdownBegun() && Windows::InLoadOrder().isEmpty();
        case Effect::Nothing: return shown(window);
      }
      return false;
    };
    QTRY_VERIFY2(done(), qPrintable(urls->opened.join(' ')));  // the referral's values follow an '&'
    if (effect != Effect::Opens) QVERIFY(urls->opened.isEmpty());
    QVERIFY(Messages::Recorded().isEmpty());
  }

  // Enter, either of them, presses the focused push button as Space does.
  void enterPressesTheFocusedButton_data() {
    QTest::addColumn<Window>("which");
    QTest::addColumn<QString>("button");
    QTest::addColumn<Qt::Key>("key");
    for (const auto& [which, button] : {std::pair{Window::Main, "Command1"}, std::pair{Window::Farewell, "cmdClose"},
                                        std::pair{Window::Farewell, "cmdSubmit"}, std::pair{Window::Report, "cmdBack"}}) {
      QTest::addRow("%s, Enter", button) << which << QString::fromLatin1(button) << Qt::Key_Return;
      QTest::addRow("%s, keypad Enter", button) << which << QString::fromLatin1(button) << Qt::Key_Enter;
    }
  }
  void enterPressesTheFocusedButton() {
    QFETCH(Window, which);
    QFETCH(QString, button);
    QFETCH(Qt::Key, key);
    Show(which);
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* pushed = window->findChild<QPushButton*>(button);
    QVERIFY(pushed);
    pushed->setFocus(Qt::TabFocusReason);
    QSignalSpy clicks(pushed, &QPushButton::clicked);
    QTest::keyClick(pushed, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(clicks.size(), 1);
  }
};

#include "tst_accesskeys.moc"
QTEST_MAIN(TestAccessKeys)
