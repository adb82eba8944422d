#include "app/look.h"
#include "app/messages.h"
#include "app/windows.h"
#include "report/autosizelabel.h"
#include "report/frmdisplay.h"
#include "report/reportview.h"
#include "support/urlcatcher.h"
#include "web/pages.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

namespace {

const QStringList ValueLabels{"lblYourName",        "lblYourDateOfBirth",        "lblYourEgyptianSign",
                              "lblYourPartnerName", "lblYourPartnerDateOfBirth", "lblYourPartnerEgyptianSign",
                              "lblCompatibility"};

QStringList Captions(const QList<QAction*>& actions) {
  QStringList captions;
  for (const QAction* a : actions) captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
  return captions;
}

// Whether the label's caption, laid out as the label lays it out, fits in
// the label and the label lies inside its container.
bool CaptionFits(const QLabel* label, QString* why) {
  const QFontMetrics metrics(label->font());
  const QRect room = label->contentsRect();
  const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
  const QRect needed = metrics.boundingRect(room, flags, label->text());
  const QRect inParent = QRect(QPoint(0, 0), label->parentWidget()->size());
  *why = QStringLiteral("%1 needs %2x%3 in %4x%5")
             .arg(label->objectName())
             .arg(needed.width())
             .arg(needed.height())
             .arg(room.width())
             .arg(room.height());
  return needed.width() <= room.width() && needed.height() <= room.height() &&
         inParent.contains(label->geometry());
}

}  // namespace

class TestReportWindow : public QObject {
  Q_OBJECT
 private:
  QPointer<FrmDisplay> window;
  template <class T = QWidget>
  T* find(const QString& name) {
    T* found = window->findChild<T*>(name);
    if (found == nullptr) qWarning() << "missing" << name;
    return found;
  }

 private slots:
  void init() {
    Messages::StartRecording();
    window = SharedWindow<FrmDisplay>::Get();
  }
  void cleanup() {
    delete window.data();
    Messages::StopRecording();
    QCOMPARE(Messages::Recorded().size(), 0);  // the window reports nothing itself
    Messages::ClearRecorded();
  }

  void controlsCarryTheirNames() {
    const QMap<QString, QStringList> byClass{
      {"QFrame", {"Frame1", "Frame2", "Frame5"}},
      {"QGroupBox", {"Frame3", "Frame4", "Frame6"}},
      {"LinkLabel", {"Label61", "Label1"}},
      {"QPushButton", {"cmdSave", "cmdPrint", "cmdBack", "cmExit"}},
      {"ReportView", {"RTB", "PartnerRTB"}},
      {"QLabel", {"picGod", "picPartnerGod"}},
      {"AutoSizeLabel", QStringList{"Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8",
                                    "lblGodName", "lblPartnerGodName"} + ValueLabels},
      {"QTabWidget", {"tabSelect"}},
      {"QAction", {"mnuFile", "mnuSave", "mnuPrint", "mnuBack", "mnuExit", "mnuHelp", "mnuOnline", "mnuVisit",
                   "mnuFileSep1", "mnuUpdate", "mnuFileSep2", "mnuAbout", "mnuDonate", "mkmoney"}},
    };
    for (auto it = byClass.begin(); it != byClass.end(); ++it) {
      for (const QString& name : it.value()) {
        const QList<QObject*> found = window->findChildren<QObject*>(name);
        const bool any = std::any_of(found.begin(), found.end(), [&](const QObject* o) {
          return QString::fromLatin1(o->metaObject()->className()) == it.key();
        });
        QVERIFY2(any, qPrintable(it.key() + " " + name));
      }
    }
  }

  void freshWindow() {
    QCOMPARE(window->objectName(), QStringLiteral("frmDisplay"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Scarabine v1.15"));
    QVERIFY(!window->windowIcon().isNull());
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(LoadedWindows::InLoadOrder().contains(window.data()));
    QCOMPARE(window->tabSelect()->count(), 3);
    QCOMPARE(window->tabSelect()->currentIndex(), 2);
    QCOMPARE(window->lblGodName()->text(), QStringLiteral("The Nile"));
    QCOMPARE(window->lblPartnerGodName()->text(), QStringLiteral("The Nile"));
    for (const QString& name : ValueLabels) QCOMPARE(find<QLabel>(name)->text(), name);
    for (QLabel* picture : {window->picGod(), window->picPartnerGod()}) {
      QCOMPARE(picture->property("pictureIndex").toInt(), 8);
      QVERIFY(!picture->pixmap().isNull());
    }
    for (ReportView* view : {window->RTB(), window->PartnerRTB()}) {
      QVERIFY(view->toPlainText().isEmpty());
      QVERIFY(view->isReadOnly());
    }
  }

  void opensWithFocusOnSaveAndKeepsTabOrder() {
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* save = find<QPushButton>("cmdSave");
    QCOMPARE(QApplication::focusWidget(), save);
    QVERIFY(save->autoDefault());  // Enter acts on it as Space does

    // Back and Exit come before the pictures and views; those are reached
    // only on their own tab; the two links come last.
    const QList<QPair<int, QStringList>> expected{
      {2, {"cmdSave", "cmdPrint", "qt_tabwidget_tabbar", "cmdBack", "cmExit", "Label61", "Label1", "cmdSave"}},
      {0,
       {"cmdSave", "cmdPrint", "qt_tabwidget_tabbar", "cmdBack", "cmExit", "picGod", "RTB", "Label61", "Label1",
        "cmdSave"}},
      {1,
       {"cmdSave", "cmdPrint", "qt_tabwidget_tabbar", "cmdBack", "cmExit", "picPartnerGod", "PartnerRTB",
        "Label61", "Label1", "cmdSave"}},
    };
    for (const auto& [tab, order] : expected) {
      window->tabSelect()->setCurrentIndex(tab);
      save->setFocus();
      QStringList visited;
      for (qsizetype i = 0; i < order.size(); ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      }
      QCOMPARE(visited, order);
    }

    const QRect screen = window->screen()->availableGeometry();
    QVERIFY((window->frameGeometry().center() - screen.center()).manhattanLength() <= 4);
  }

  void userCannotTypeIntoTheViews() {
    window->tabSelect()->setCurrentIndex(0);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->RTB()->InsertText(QStringLiteral("report\r\n"));
    window->RTB()->setFocus();
    QTest::keyClicks(window->RTB(), QStringLiteral("typed"));
    QTest::keyClick(window->RTB(), Qt::Key_Delete);
    QTest::keyClick(window->RTB(), Qt::Key_Backspace);
    QCOMPARE(window->RTB()->toPlainText(), QStringLiteral("report\n"));
  }

  void geometryFollowsTheTwipsLayout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");
    QTest::addRow("tabs") << "tabSelect" << TwipsRect(0, 620, 11295, 5655);
    QTest::addRow("bottom strip") << "Frame5" << TwipsRect(0, 6240, 11295, 700);
    QTest::addRow("back, in the strip") << "cmdBack" << TwipsRect(10200, 240, 930, 345);
    QTest::addRow("save/print panel") << "Frame1" << TwipsRect(4800, 7320, 4530, 930);
    QTest::addRow("user view, in its group") << "RTB" << TwipsRect(120, 240, 9165, 4935);
  }
  void geometryFollowsTheTwipsLayout() {
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    QCOMPARE(find(name)->geometry(), expected);
  }

  void windowHasAFixedClientArea() {
    const QWidget* client = window->centralWidget();
    QCOMPARE(client->width(), Twips(11295));
    for (const char* name : {"Frame2", "tabSelect", "Frame5", "Frame1"})
      QVERIFY2(client->rect().contains(find(name)->geometry()), name);  // the panel too
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(window->height() >= client->height());
  }

  void everyCaptionFits() {
    window->lblYourName()->setText(QStringLiteral("ANN LEE"));
    window->lblYourPartnerDateOfBirth()->setText(QStringLiteral("28/September/2099"));
    window->lblCompatibility()->setText(QStringLiteral("You both are very highly compatible"));
    window->lblGodName()->setText(QStringLiteral("Sekhmet"));
    window->lblPartnerGodName()->setText(QStringLiteral("Amon-Ra"));
    window->show();  // lays out the tab pages
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // A page is laid out when its tab is selected; check each page then.
    for (int tab = 0; tab < window->tabSelect()->count(); ++tab) {
      window->tabSelect()->setCurrentIndex(tab);
      for (const QLabel* label : window->tabSelect()->widget(tab)->findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;  // the pictures
        QString why;
        QVERIFY2(CaptionFits(label, &why), qPrintable(why));
      }
    }
    for (const char* name : {"Label61", "Label1"}) {
      QString why;
      QVERIFY2(CaptionFits(find<QLabel>(name), &why), qPrintable(why));
    }
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
      const int needed = QFontMetrics(button->font()).horizontalAdvance(QString(button->text()).remove('&'));
      QVERIFY2(needed + 8 <= button->width(), qPrintable(button->objectName()));
    }
  }

  void valueLabelsFollowTheirText() {
    AutoSizeLabel* name = window->lblYourName();
    const QRect design = name->geometry();
    name->setText(QStringLiteral("ANNABELLE MARGARET LEE"));
    QString why;
    QVERIFY2(CaptionFits(name, &why), qPrintable(why));
    QVERIFY(name->width() > design.width());
    QCOMPARE(name->geometry().top(), design.top());
    QVERIFY(qAbs(name->geometry().center().x() - design.center().x()) <= 1);  // stays centred

    name->setText(QStringLiteral("AL"));
    QVERIFY(name->width() < design.width());
    QVERIFY(qAbs(name->geometry().center().x() - design.center().x()) <= 1);

    // A name far too long for its row wraps inside the name column, clear of the date.
    name->setText(QString(QStringLiteral("ANN ")).repeated(60).trimmed());
    QVERIFY2(CaptionFits(name, &why), qPrintable(why));
    QVERIFY(!name->geometry().intersects(window->lblYourDateOfBirth()->geometry()));

    // Set through a plain QLabel pointer, the caption is refitted when shown.
    QLabel* plain = window->lblYourPartnerEgyptianSign();
    plain->setText(QStringLiteral("Sekhmet, the lioness"));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY2(CaptionFits(plain, &why), qPrintable(why));
  }

  void picturesByNumber_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("shown");
    QTest::addRow("first") << 1 << 1;
    QTest::addRow("last") << 12 << 12;
    QTest::addRow("zero ignored") << 0 << 8;
    QTest::addRow("thirteen ignored") << 13 << 8;
  }
  void picturesByNumber() {
    QFETCH(int, index);
    QFETCH(int, shown);
    window->SetGodPicture(index);
    window->SetPartnerGodPicture(index);
    QCOMPARE(window->picGod()->property("pictureIndex").toInt(), shown);
    QCOMPARE(window->picPartnerGod()->property("pictureIndex").toInt(), shown);
    QVERIFY(!window->picGod()->pixmap().isNull());
  }

  void menusInOrder() {
    QCOMPARE(Captions(window->menuBar()->actions()),
             (QStringList{"&File", "&Help", "&Donate", "Make Money &Online"}));
    QCOMPARE(Captions(find<QMenu>("mnuFile")->actions()), (QStringList{"&Save", "&Print", "&Back", "E&xit"}));
    QCOMPARE(Captions(find<QMenu>("mnuHelp")->actions()),
             (QStringList{"&Online Help", "&Visit Us Online", "-", "&Check for Software Update", "-",
                          "&About Software"}));
    for (const char* name : {"mnuSave", "mnuPrint"}) {
      QVERIFY(find<QAction>(name)->isVisible());
      QVERIFY(find<QAction>(name)->isEnabled());
    }
    QVERIFY(!find<QAction>("mkmoney")->isVisible());
  }

  void pagesOpenTheirAddresses_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("key");
    QTest::addRow("online help") << "mnuOnline" << Page::Help;
    QTest::addRow("visit us") << "mnuVisit" << Page::Home;
    QTest::addRow("update") << "mnuUpdate" << Page::Download;
    QTest::addRow("donate") << "mnuDonate" << Page::Donate;
    QTest::addRow("make money, though hidden") << "mkmoney" << Page::FullyBranded;
    QTest::addRow("discussion board link") << "Label61" << Page::Home;
    QTest::addRow("home business link") << "Label1" << Page::FullyBranded;
  }
  void pagesOpenTheirAddresses() {
    QFETCH(QString, name);
    QFETCH(QString, key);
    UrlCatcher catcher;
    if (auto* action = window->findChild<QAction*>(name)) {
      action->trigger();
    } else {
      window->show();
      QVERIFY(QTest::qWaitForWindowExposed(window));
      QTest::mouseClick(find(name), Qt::LeftButton);
    }
    QCOMPARE(catcher.opened, QStringList{PageAddress(key)});
  }

  void everyWayOutUnloadsTheWindow_data() {
    QTest::addColumn<QString>("how");
    QTest::addRow("close box") << "close";
    QTest::addRow("Exit button") << "cmExit";
    QTest::addRow("Exit menu entry") << "mnuExit";
    QTest::addRow("Back button") << "cmdBack";
    QTest::addRow("Back menu entry") << "mnuBack";
  }
  void everyWayOutUnloadsTheWindow() {
    QFETCH(QString, how);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    if (how == "close")
      window->close();
    else if (auto* action = window->findChild<QAction*>(how))
      action->trigger();
    else
      QTest::mouseClick(find(how), Qt::LeftButton);
    QTRY_VERIFY(window.isNull());
    QVERIFY(SharedWindow<FrmDisplay>::IfLoaded() == nullptr);
  }
};

QTEST_MAIN(TestReportWindow)
#include "tst_reportwindow.moc"
