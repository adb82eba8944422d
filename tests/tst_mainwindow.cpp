#include "app/frmmain.h"
#include "ui/look.h"
#include "ui/messages.h"
#include "app/windows.h"
#include "report/frmdisplay.h"
#include "support/guitest.h"
#include "support/urlcatcher.h"
#include "ui/pages.h"

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

// Menus, links and the keyboard order are followed in tst_accesskeys and
// tst_accessibility; the layout in tst_scaling.
class TestMainWindow : public QObject {
  Q_OBJECT
  FrmMain* form = nullptr;

 private slots:
  void init() { form = ShowFreshMainWindow(); }
  void cleanup() { UnloadAllWindows(); }

  void listsAndFocus_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("selected");
    QStringList days, years;
    for (int d = 1; d <= 31; ++d) days << QString::number(d);
    const QStringList months{"January", "February", "March",     "April",   "May",      "June",
                             "July",    "August",   "September", "October", "November", "December"};
    for (int y = 1900; y <= 2099; ++y) years << QString::number(y);
    for (const QString side : {"", "Partner"}) {
      QTest::addRow("cmb%sDate", qPrintable(side)) << "cmb" + side + "Date" << days << 0;
      QTest::addRow("cmb%sMonth", qPrintable(side)) << "cmb" + side + "Month" << months << 0;
      QTest::addRow("cmb%sYear", qPrintable(side)) << "cmb" + side + "Year" << years << 50;
    }
  }
  void listsAndFocus() {
    QFETCH(QString, name);
    QFETCH(QStringList, entries);
    QFETCH(int, selected);
    auto* list = form->findChild<QComboBox*>(name);
    QVERIFY(list && !list->isEditable());
    QStringList actual;
    for (int i = 0; i < list->count(); ++i) actual << list->itemText(i);
    QCOMPARE(actual, entries);
    QCOMPARE(list->currentIndex(), selected);
    QCOMPARE(QApplication::focusWidget(), Child<QLineEdit>(form, "txtName"));
    QVERIFY(Child<QLineEdit>(form, "txtName")->text().isEmpty() && Child<QLineEdit>(form, "txtPartnerName")->text().isEmpty());
  }

  // One face for the whole window, menu bar included: a control left in the
  // toolkit's default face looks out of place and costs start-up a face.
  void oneFace() {
    const QString face = QFontInfo(VerdanaFont(WindowTextPoints)).family();
    QCOMPARE(QFontInfo(QApplication::font()).family(), face);
    QCOMPARE(QFontInfo(form->menuBar()->font()).family(), face);
    for (const QWidget* control : form->findChildren<QWidget*>())
      QVERIFY2(QFontInfo(control->font()).family() == face, qPrintable(control->objectName()));
  }

  // The main and report windows' menu bars are drawn in one colour.
  void oneMenuBarColour() {
    QList<QColor> drawn;
    for (QWidget* window : QList<QWidget*>{form, Windows::Report()}) {
      QMenuBar* bar = window->findChild<QMenuBar*>();
      // Right of the last entry: the bar's own colour.
      drawn << bar->grab().toImage().pixelColor(bar->width() - 4, bar->height() / 2);
    }
    QCOMPARE(drawn.first(), drawn.last());
  }

  // Hidden rather than greyed out, so its command still works when reached.
  void makeMoneyHiddenButWorking() {
    UrlCatcher urls;
    for (QWidget* window : QList<QWidget*>{form, Windows::Report()}) {
      QAction* makeMoney = window->findChild<QAction*>("mkmoney");
      QVERIFY(makeMoney && !makeMoney->isVisible());
      makeMoney->trigger();
    }
    QCOMPARE(urls.opened, QStringList(2, PageAddress(Page::FullyBranded)));
    QVERIFY(Messages::Recorded().isEmpty());
  }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
