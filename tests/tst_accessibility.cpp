#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QTabWidget>
#include <QTest>

#include "app/frmabout.h"
#include "app/frmmain.h"
#include "ui/linklabel.h"
#include "ui/messages.h"
#include "app/windows.h"
#include "app/wiring.h"
#include "report/frmdisplay.h"
#include "support/contrastcheck.h"
#include "support/guitest.h"
#include "support/urlcatcher.h"
#include "web/frmfarewell.h"
#include "ui/pages.h"

namespace {

// Roles a user acts on; each must say what it is.
bool Interactive(QAccessible::Role role) {
  using enum QAccessible::Role;
  for (QAccessible::Role r : {PushButton, CheckBox, RadioButton, ComboBox, EditableText, PageTabList, PageTab, Link,
                              MenuItem, SpinBox, Slider, ButtonMenu, ButtonDropDown})
    if (role == r) return true;
  return false;
}

QString Describe(QAccessibleInterface* node) {
  const QObject* object = node->object();
  const QString name = object ? object->objectName() : QString();
  return QStringLiteral("%1 (role 0x%2)")
      .arg(name.isEmpty() ? QStringLiteral("<unnamed object>") : name)
      .arg(int(node->role()), 0, 16);
}

// Every shown node a user acts on, or can focus, or reads (text and
// pictures), has a name. Hidden parts (other tab pages, closed popups) are
// walked by the caller when they are shown.
void Walk(QAccessibleInterface* node, QStringList* nameless, int depth = 0) {
  if (node == nullptr || depth > 40) return;
  const QAccessible::State state = node->state();
  if (state.invisible) return;
  const QAccessible::Role role = node->role();
  const bool read = role == QAccessible::StaticText || role == QAccessible::Graphic;
  if ((Interactive(role) || state.focusable || read) && node->text(QAccessible::Name).trimmed().isEmpty())
    *nameless << Describe(node);
  for (int i = 0; i < node->childCount(); ++i) Walk(node->child(i), nameless, depth + 1);
}

// Menus are closed while the window is walked; their entries are checked
// one by one, whether the menu is open or not.
void WalkMenus(QWidget* window, QStringList* nameless) {
  for (QMenu* menu : window->findChildren<QMenu*>()) {
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(menu);
    for (int i = 0; i < node->childCount(); ++i) {
      QAccessibleInterface* entry = node->child(i);
      if (entry->role() == QAccessible::Separator || entry->state().invisible) continue;
      if (entry->text(QAccessible::Name).trimmed().isEmpty()) *nameless << menu->objectName() + "/" + Describe(entry);
    }
  }
}

enum class Window { Main, Report, Farewell, About };

QWidget* Open(Window which) {
  if (which == Window::Main) return Windows::Main();
  if (which == Window::Report) return Windows::Report();
  if (which == Window::Farewell) return Windows::Farewell();
  return Windows::About();
}

}  // namespace

Q_DECLARE_METATYPE(Window)

class TestAccessibility : public QObject {
  Q_OBJECT
  std::unique_ptr<UrlCatcher> urls;
  QWidget* window = nullptr;

  bool Show(Window which) {
    window = Open(which);
    window->show();
    window->activateWindow();  // the farewell window does not take the focus by itself
    return QTest::qWaitForWindowActive(window);
  }

  // Where Tab leads from the focused control, until the focus comes back.
  static QStringList TabCycle() {
    const QWidget* start = QApplication::focusWidget();
    QStringList visited{start->objectName()};
    for (int i = 0; i < 40; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      if (QApplication::focusWidget() == start) break;
      visited << QApplication::focusWidget()->objectName();
    }
    return visited;
  }

 private slots:
  void initTestCase() { WireWindows(); }  // as start-up does
  void init() {
    Messages::StartRecording();
    Windows::ResetForTests();
    urls = std::make_unique<UrlCatcher>();
  }
  void cleanup() {
    window = nullptr;
    urls.reset();
    const QString shown = ShownMessages();
    UnloadAllWindows();
    QCOMPARE(shown, QString());
  }

  void everyControlHasAName_data() {
    QTest::addColumn<Window>("which");
    QTest::addColumn<int>("tab");
    QTest::addRow("main window") << Window::Main << -1;
    QTest::addRow("report, your characteristics") << Window::Report << 0;
    QTest::addRow("report, partner's characteristics") << Window::Report << 1;
    QTest::addRow("report, compatibility") << Window::Report << 2;
    QTest::addRow("farewell") << Window::Farewell << -1;
    QTest::addRow("about box") << Window::About << -1;
  }
  void everyControlHasAName() {
    QFETCH(Window, which);
    QFETCH(int, tab);
    QVERIFY(Show(which));
    if (auto* tabs = window->findChild<QTabWidget*>("tabSelect")) tabs->setCurrentIndex(tab);

    QStringList nameless;
    Walk(QAccessible::queryAccessibleInterface(window), &nameless);
    WalkMenus(window, &nameless);
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QStringLiteral(", "))));
  }

  // The captions above and beside the main window's fields label them.
  void captionsLabelTheirFields_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::addRow("name") << "txtName" << "Name :-";
    QTest::addRow("month") << "cmbMonth" << "Month";
    QTest::addRow("partner's year") << "cmbPartnerYear" << "Year";
    // Linux names a list by its value; its person's group tells the two apart.
    QTest::addRow("your day, by its group") << "cmbDate" << "Your Details";
    QTest::addRow("partner's day, by its group") << "cmbPartnerDate" << "Your Partner's Details";
  }
  void captionsLabelTheirFields() {
    QFETCH(QString, control);
    QFETCH(QString, caption);
    auto* form = Windows::Main();
    QWidget* field = form->findChild<QWidget*>(control);
    QStringList labels;
    for (const auto& [label, relation] : QAccessible::queryAccessibleInterface(field)->relations(QAccessible::Label))
      labels << label->text(QAccessible::Name);
    QVERIFY2(labels.contains(caption), qPrintable(labels.join(", ")));
  }

  void typingKeepsTheBoxName() {
    QVERIFY(Show(Window::Farewell));
    auto* box = window->findChild<QWidget*>("txtEmail");
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("ann@example.com"));
    QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name), QStringLiteral("Your email address"));
  }

  // Each window's keyboard order all the way round: its own controls only,
  // never the link labels.
  void tabCycle_data() {
    QTest::addColumn<Window>("which");
    QTest::addColumn<QStringList>("cycle");
    QTest::addRow("main") << Window::Main
                          << QStringList{"txtName",         "Command1",       "cmbDate",        "cmbMonth",
                                         "cmbYear",         "cmbPartnerYear", "cmbPartnerMonth", "cmbPartnerDate",
                                         "txtPartnerName"};
    QTest::addRow("report") << Window::Report
                            << QStringList{"cmdSave", "cmdPrint", "qt_tabwidget_tabbar", "cmdBack", "cmExit"};
    QTest::addRow("farewell") << Window::Farewell
                              << QStringList{"cmdClose",       "Check1",        "txtName",   "cmdSubmit",
                                             "txtEmail",       "txtFriendEmail", "txtFriendName", "txtMessage"};
    QTest::addRow("about box") << Window::About << QStringList{"cmdOK"};
  }
  void tabCycle() {
    QFETCH(Window, which);
    QFETCH(QStringList, cycle);
    QVERIFY(Show(which));
    window->findChild<QWidget*>(cycle.first())->setFocus(Qt::TabFocusReason);
    QCOMPARE(TabCycle(), cycle);
  }

  // Every control of the keyboard order shows that it has the focus: taking
  // it changes enough of the control's pixels by at least 3:1 to draw an
  // outline, however the focus came (here without any key press at all).
  void focusIsVisible_data() {
    QTest::addColumn<Window>("which");
    QTest::addRow("main") << Window::Main;
    QTest::addRow("report") << Window::Report;
    QTest::addRow("farewell") << Window::Farewell;
    QTest::addRow("about box") << Window::About;
  }
  void focusIsVisible() {
    QFETCH(Window, which);
    QVERIFY(Show(which));
    const QStringList cycle = TabCycle();
    QStringList unseen;
    for (qsizetype i = 0; i < cycle.size(); ++i) {
      auto* control = window->findChild<QWidget*>(cycle.at(i));
      if (control->visibleRegion().isEmpty()) continue;  // the message box below its frame
      const QRect area(control->mapTo(window, QPoint(0, 0)), control->size());
      auto* other = window->findChild<QWidget*>(cycle.at((i + 1) % cycle.size()));
      if (other == control)
        control->clearFocus();
      else
        other->setFocus(Qt::OtherFocusReason);
      const QImage before = window->grab(area).toImage();
      control->setFocus(Qt::OtherFocusReason);
      const QImage after = window->grab(area).toImage();
      int changed = 0;
      for (int y = 0; y < qMin(before.height(), after.height()); ++y)
        for (int x = 0; x < qMin(before.width(), after.width()); ++x)
          changed += ContrastRatio(before.pixelColor(x, y), after.pixelColor(x, y)) >= 3;
      if (changed < 40 * window->devicePixelRatio()) unseen << QStringLiteral("%1 (%2)").arg(cycle.at(i)).arg(changed);
    }
    QVERIFY2(unseen.isEmpty(), qPrintable(unseen.join(QStringLiteral(", "))));
  }

  // Out of the keyboard order, a link is still pressed without a mouse
  // through its accessible action; a click leaves the focus where it was.
  void linksPressedWithoutTheMouse_data() {
    QTest::addColumn<Window>("which");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("address");
    QTest::addRow("main, top") << Window::Main << "Label61" << PageAddress(Page::Home);
    QTest::addRow("main, bottom") << Window::Main << "Label7" << PageAddress(Page::FullyBranded);
    QTest::addRow("report, top") << Window::Report << "Label61" << PageAddress(Page::Home);
    QTest::addRow("report, bottom") << Window::Report << "Label1" << PageAddress(Page::FullyBranded);
    QTest::addRow("farewell") << Window::Farewell << "lblGoToHome" << PageAddress(Page::OrlendaSoftwares);
    QTest::addRow("about, home") << Window::About << "lblHomePage" << PageAddress(Page::Home);
    QTest::addRow("about, details") << Window::About << "lblCobrand" << PageAddress(Page::FullyBranded);
  }
  void linksPressedWithoutTheMouse() {
    QFETCH(Window, which);
    QFETCH(QString, link);
    QFETCH(QString, address);
    QVERIFY(Show(which));
    auto* label = window->findChild<LinkLabel*>(link);
    QVERIFY(label);
    QWidget* first = QApplication::focusWidget();
    QVERIFY(first);

    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(label);
    QCOMPARE(node->role(), QAccessible::Link);
    QAccessibleActionInterface* actions = node->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(urls->opened, QStringList{address});

    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(urls->opened, QStringList(2, address));
    QCOMPARE(QApplication::focusWidget(), first);
  }
};

#include "tst_accessibility.moc"
QTEST_MAIN(TestAccessibility)
