#include "app/frmmain.h"
#include "app/linklabel.h"
#include "app/look.h"
#include "app/messages.h"
#include "app/windows.h"
#include "support/urlcatcher.h"
#include "web/pages.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QTest>

#include <memory>

class TestMainWindow : public QObject {
  Q_OBJECT
  FrmMain* form = nullptr;
  std::unique_ptr<UrlCatcher> urls;

  template <class T = QWidget>
  T* child(const QString& name) const {
    return form->findChild<T*>(name);
  }
  QAction* action(const QString& name) const { return form->findChild<QAction*>(name); }

  // Where a one-line caption's baseline falls inside its label.
  static qreal CaptionBaseline(const QLabel* label, const QFontMetricsF& fm) {
    qreal top = 0;
    if (label->alignment() & Qt::AlignVCenter) top = (label->height() - fm.height()) / 2;
    if (label->alignment() & Qt::AlignBottom) top = label->height() - fm.height();
    return top + fm.ascent();
  }

  QStringList names(const QList<QAction*>& actions) const {
    QStringList result;
    for (const QAction* a : actions) result << a->objectName();
    return result;
  }

 private slots:
  void init() {
    Messages::StartRecording();
    LoadedWindows::ResetForTests();
    urls = std::make_unique<UrlCatcher>();
    form = SharedWindow<FrmMain>::Get();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form));
  }
  void cleanup() {
    delete SharedWindow<FrmMain>::IfLoaded();
    form = nullptr;
    urls.reset();
    Messages::StopRecording();
  }

  void windowItself() {
    QCOMPARE(form->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Scarabine v1.15"));
    QVERIFY(!form->windowIcon().isNull());
    QVERIFY(form->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(LoadedWindows::InLoadOrder().contains(form));
    QCOMPARE(form->centralWidget()->size(), QSize(Twips(6990), Twips(5790)));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    const QPoint screenCentre = form->screen()->availableGeometry().center();
    QVERIFY2((form->frameGeometry().center() - screenCentre).manhattanLength() <= 2, "not centred on the screen");
  }

  void everyControlByName() {
    const QStringList widgets{"Frame1",  "Frame2",  "Frame3",    "Frame4",         "Frame5",     "Label1",
                              "Label2",  "Label3",  "Label4",    "Label5",         "Label6",     "Label7",
                              "Label8",  "Label9",  "Label10",   "Label11",        "Label12",    "Label61",
                              "txtName", "cmbDate", "cmbMonth",  "cmbYear",        "txtPartnerName",
                              "cmbPartnerDate",     "cmbPartnerMonth",             "cmbPartnerYear", "Command1"};
    for (const QString& name : widgets) QVERIFY2(child(name), qPrintable(name));
    QVERIFY(child<LinkLabel>("Label61") && child<LinkLabel>("Label7"));
    QCOMPARE(child<QLineEdit>("txtName"), form->txtName());
    QCOMPARE(child<QLineEdit>("txtPartnerName"), form->txtPartnerName());
    QCOMPARE(child<QComboBox>("cmbPartnerYear"), form->cmbPartnerYear());
  }

  void geometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("twips");
    QTest::addRow("Frame2") << "Frame2" << "client" << QRect(0, 0, 6975, 615);
    QTest::addRow("Label61") << "Label61" << "Frame2" << QRect(360, 120, 6480, 585);
    QTest::addRow("Frame1") << "Frame1" << "client" << QRect(0, 600, 6975, 4335);
    QTest::addRow("Label12") << "Label12" << "Frame1" << QRect(120, 240, 6735, 615);
    QTest::addRow("Frame3") << "Frame3" << "Frame1" << QRect(480, 2520, 5895, 1335);
    QTest::addRow("Command1") << "Command1" << "Frame1" << QRect(480, 3885, 5895, 375);
    QTest::addRow("Frame5") << "Frame5" << "client" << QRect(0, 4920, 6975, 855);
    QTest::addRow("Label7") << "Label7" << "Frame5" << QRect(240, 165, 6495, 615);
    QTest::addRow("txtName") << "txtName" << "Frame4" << QRect(1920, 360, 3375, 285);
    QTest::addRow("Label6") << "Label6" << "Frame4" << QRect(4560, 720, 390, 195);
    QTest::addRow("cmbMonth") << "cmbMonth" << "Frame4" << QRect(2880, 960, 1335, 315);
    QTest::addRow("Label11") << "Label11" << "Frame3" << QRect(480, 360, 705, 195);
    QTest::addRow("Label3") << "Label3" << "Frame3" << QRect(480, 960, 1275, 195);
    QTest::addRow("cmbPartnerYear") << "cmbPartnerYear" << "Frame3" << QRect(4320, 960, 975, 315);
  }
  void geometry() {
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, twips);
    QWidget* w = child(name);
    QVERIFY(w);
    QCOMPARE(w->parentWidget()->objectName(), container);
    QCOMPARE(w->geometry(), TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
  }

  void lists_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("selected");
    QStringList days, months, years;
    for (int d = 1; d <= 31; ++d) days << QString::number(d);
    months << "January" << "February" << "March" << "April" << "May" << "June" << "July" << "August"
           << "September" << "October" << "November" << "December";
    for (int y = 1900; y <= 2099; ++y) years << QString::number(y);
    QCOMPARE(years.size(), 200);
    QTest::addRow("cmbDate") << "cmbDate" << days << 0;
    QTest::addRow("cmbMonth") << "cmbMonth" << months << 0;
    QTest::addRow("cmbYear") << "cmbYear" << years << 50;
    QTest::addRow("cmbPartnerDate") << "cmbPartnerDate" << days << 0;
    QTest::addRow("cmbPartnerMonth") << "cmbPartnerMonth" << months << 0;
    QTest::addRow("cmbPartnerYear") << "cmbPartnerYear" << years << 50;
  }
  void lists() {
    QFETCH(QString, name);
    QFETCH(QStringList, entries);
    QFETCH(int, selected);
    auto* list = child<QComboBox>(name);
    QVERIFY(list);
    QVERIFY(!list->isEditable());
    QStringList actual;
    for (int i = 0; i < list->count(); ++i) actual << list->itemText(i);
    QCOMPARE(actual, entries);
    QCOMPARE(list->currentIndex(), selected);
    QVERIFY(form->txtName()->text().isEmpty());
    QVERIFY(form->txtPartnerName()->text().isEmpty());
  }

  void focusAndTabOrder() {
    QCOMPARE(QApplication::focusWidget(), form->txtName());
    const QStringList order{"Command1",       "cmbDate",         "cmbMonth",       "cmbYear",
                            "cmbPartnerYear", "cmbPartnerMonth", "cmbPartnerDate", "txtPartnerName",
                            "Label61",        "Label7",          "txtName"};  // the links come after the form
    for (const QString& next : order) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
    QVERIFY(Messages::Recorded().isEmpty());
  }

  void menuStructure() {
    QMenuBar* bar = form->menuBar();
    QCOMPARE(names(bar->actions()), QStringList({"mnuFile", "mnuHelp", "mnuDonate", "mkmoney"}));
    auto* file = form->findChild<QMenu*>("mnuFile");
    auto* help = form->findChild<QMenu*>("mnuHelp");
    QVERIFY(file && help);
    QCOMPARE(file->menuAction(), action("mnuFile"));
    QCOMPARE(names(file->actions()), QStringList({"mnuAstro", "mnuExit"}));
    QCOMPARE(names(help->actions()),
             QStringList({"mnuOnline", "mnuVisit", "mnuHelp1", "mnuUpdate", "mnuHelp2", "mnuAbout"}));
    QVERIFY(action("mnuHelp1")->isSeparator() && action("mnuHelp2")->isSeparator());

    const QList<QPair<QString, QString>> captions{{"mnuFile", "&File"},
                                                  {"mnuAstro", "Get My Egyptian Astrology Compatibility"},
                                                  {"mnuExit", "E&xit"},
                                                  {"mnuHelp", "&Help"},
                                                  {"mnuOnline", "&Online Help"},
                                                  {"mnuVisit", "&Visit Us Online"},
                                                  {"mnuUpdate", "Check for Software &Update"},
                                                  {"mnuAbout", "&About Software"},
                                                  {"mnuDonate", "&Donate"},
                                                  {"mkmoney", "Make Money &Online"}};
    for (const auto& [name, caption] : captions) QCOMPARE(action(name)->text(), caption);
  }

  // Hidden rather than greyed out, so its command still works when reached.
  void makeMoneyStartsHidden() {
    QAction* makeMoney = action("mkmoney");
    QVERIFY(!makeMoney->isVisible());
    for (const char* name : {"mnuFile", "mnuHelp", "mnuDonate"}) QVERIFY(action(name)->isVisible());
  }

  void opensPage_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("key");
    QTest::addRow("mnuOnline") << "mnuOnline" << "help-web-page";
    QTest::addRow("mnuVisit") << "mnuVisit" << "home-page";
    QTest::addRow("mnuUpdate") << "mnuUpdate" << "download-web-page";
    QTest::addRow("mnuDonate") << "mnuDonate" << "donate";
    QTest::addRow("mkmoney") << "mkmoney" << "fully-branded";
    QTest::addRow("Label61 click") << "Label61" << "home-page";
    QTest::addRow("Label7 click") << "Label7" << "fully-branded";
  }
  void opensPage() {
    QFETCH(QString, name);
    QFETCH(QString, key);
    const QString address = QStringLiteral("http://www.orlenda.com/scarabine/ssd.php?page=") + key;
    QCOMPARE(PageAddress(key), address);
    for (int click = 0; click < 2; ++click) {
      if (auto* label = child<LinkLabel>(name))
        QTest::mouseClick(label, Qt::LeftButton);
      else
        action(name)->trigger();
    }
    QCOMPARE(urls->opened, QStringList({address, address}));
    QVERIFY(Messages::Recorded().isEmpty());
    QVERIFY(form->isVisible());
  }

  void exitUnloadsTheWindow() {
    QPointer<FrmMain> window = form;
    action("mnuExit")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
    QVERIFY(!SharedWindow<FrmMain>::IfLoaded());
    QVERIFY(urls->opened.isEmpty());
  }

  // With the substitute font every caption must stay whole: within its own
  // rectangle and within the part of it its container shows.
  void captionsFit() {
    int checked = 0;
    for (QLabel* label : form->findChildren<QLabel*>()) {
      const QRect visible = label->geometry().intersected(label->parentWidget()->rect());
      const QString what = label->objectName();
      if (label->wordWrap()) {
        const QFontMetrics fm(label->font());
        const int flags = int(label->alignment()) | Qt::TextWordWrap;
        const QRect needed = fm.boundingRect(QRect(0, 0, label->width(), 10000), flags, label->text());
        QVERIFY2(needed.width() <= label->width() && needed.height() <= visible.height(), qPrintable(what));
      } else {
        // A one-line caption may have a line box a pixel taller than its
        // label; what counts is that the glyphs themselves are all shown.
        const QFontMetricsF fm(label->font());
        QVERIFY2(fm.horizontalAdvance(label->text()) <= label->width(), qPrintable(what));
        const QRectF ink = fm.tightBoundingRect(label->text()).translated(0, CaptionBaseline(label, fm));
        QVERIFY2(ink.top() >= 0 && ink.bottom() <= visible.height(), qPrintable(what));
      }
      ++checked;
    }
    for (QGroupBox* group : form->findChildren<QGroupBox*>()) {
      const QFontMetrics fm(group->font());
      QVERIFY2(fm.horizontalAdvance(group->title()) + 16 <= group->width(), qPrintable(group->objectName()));
      ++checked;
    }
    auto* button = child<QPushButton>("Command1");
    const QFontMetrics fm(button->font());
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    QVERIFY(fm.horizontalAdvance(QString(button->text()).remove('&')) + 2 * margin <= button->width());
    QVERIFY(fm.height() <= button->height());
    for (QComboBox* list : form->findChildren<QComboBox*>()) {
      QStyleOptionComboBox option;
      option.initFrom(list);
      const QRect field =
          list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
      const QFontMetrics listFm(list->font());
      for (int i = 0; i < list->count(); ++i)
        QVERIFY2(listFm.horizontalAdvance(list->itemText(i)) <= field.width(), qPrintable(list->itemText(i)));
    }
    QCOMPARE(checked, 13 + 3);  // thirteen labels, three groups
  }

  void label61Wording() {
    auto* label = child<LinkLabel>("Label61");
    QVERIFY(label->text().startsWith(
        "The Most Popular Online Orlenda Discussion Board. Best Resource For Everything Orlenda. "));
    QVERIFY(label->text().size() > 90);
    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(label->font().underline() && label->font().bold());
  }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
