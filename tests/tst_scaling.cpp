// Every window at the screen density CTest runs it with (QT_SCALE_FACTOR 1,
// 1.5 and 2): grabbed in its real state, each caption must fit and stand out
// from what is behind it, nothing may overlap or leave its container, and the
// pictures must be drawn for the screen's pixel density.
#include "app/frmabout.h"
#include "app/frmmain.h"
#include "ui/messages.h"
#include "app/windows.h"
#include "app/wiring.h"
#include "report/frmdisplay.h"
#include "report/pictures.h"
#include "support/contrastcheck.h"
#include "support/guitest.h"
#include "support/layoutcheck.h"
#include "support/urlcatcher.h"
#include "ui/look.h"
#include "ui/translation.h"

#include <QLocale>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include "web/frmfarewell.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(Person)

namespace {

qreal ExpectedRatio() {
  bool ok = false;
  const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
  return ok ? factor : 1.0;
}

// Grabs the window as it is on screen and checks its whole layout.
void CheckWindow(QWidget* window, const LayoutDesign& design = {}) {
  QVERIFY(QTest::qWaitForWindowExposed(window));
  const qreal ratio = ExpectedRatio();
  QVERIFY(qFuzzyCompare(window->devicePixelRatioF(), ratio));
  const QPixmap shot = window->grab();
  QVERIFY(qFuzzyCompare(shot.devicePixelRatio(), ratio));
  const QSizeF physical = QSizeF(window->size()) * ratio;
  QVERIFY2(qAbs(shot.width() - physical.width()) <= 1 && qAbs(shot.height() - physical.height()) <= 1,
           qPrintable(QStringLiteral("grab %1x%2").arg(shot.width()).arg(shot.height())));
  QStringList problems = LayoutProblems(window, design) + ContrastProblems(window);
  // A window too large for its screen scrolls its content, laid out as ever.
  if (auto* scroller = window->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly))
    problems += LayoutProblems(scroller->widget(), design) + ContrastProblems(scroller->widget());
  QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n  "))));
  // Wholly inside the screen's available area, however small the screen:
  // a control beyond its edge is out of reach.
  const QRect available = window->screen()->availableGeometry();
  const QRect frame = window->frameGeometry();
  const QString where = QStringLiteral("frame %1,%2 %3x%4 in %5,%6 %7x%8")
                            .arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())
                            .arg(available.x()).arg(available.y()).arg(available.width()).arg(available.height());
  QVERIFY2(available.contains(frame), qPrintable(where));
}

// A pixmap drawn for the label's screen: as many pixels as the screen has.
void CheckDrawnForScreen(const QLabel* label, QSize logical) {
  const QPixmap pixmap = label->pixmap();
  QVERIFY2(!pixmap.isNull(), qPrintable(label->objectName()));
  const qreal ratio = ExpectedRatio();
  QVERIFY2(qFuzzyCompare(pixmap.devicePixelRatio(), ratio), qPrintable(label->objectName()));
  QCOMPARE(pixmap.size(), (QSizeF(logical) * ratio).toSize());
}

}  // namespace

class TestScaling : public QObject {
  Q_OBJECT
  std::unique_ptr<UrlCatcher> urls;

  FrmMain* ShowInput(const Person& user, const Person& partner) {
    Windows::ShowMain();
    FrmMain* input = Windows::MainIfLoaded();
    EnterPeople(input, user, partner);
    return input;
  }

  FrmDisplay* Compute(const Person& user, const Person& partner) {
    FrmMain* input = ShowInput(user, partner);
    QTest::mouseClick(input->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    return Windows::ReportIfLoaded();
  }

 private slots:
  void initTestCase() {
    // In a translated language too, when CTest names one: longer German
    // captions in the same boxes, Arabic mirrored.
    if (const QString language = qEnvironmentVariable("SCARABINE_TEST_LANGUAGE"); !language.isEmpty()) {
      InstallTranslators(QLocale(language));
      QCOMPARE(ProgramLanguage(), language);
      // Qt's own dialogs speak it too (their buttons, from qtbase's translation).
      QVERIFY(QCoreApplication::translate("QPlatformTheme", "&Yes") != u"&Yes");
      // The face the windows are made with has the language's letters:
      // borrowed glyphs would stand taller than the lines laid out for it.
      if (language == u"ar")
        QVERIFY(QFontDatabase::writingSystems(QFontInfo(VerdanaFont(WindowTextPoints)).family()).contains(QFontDatabase::Arabic));
    }
    WireWindows();  // as start-up does
    QVERIFY(qFuzzyCompare(qApp->devicePixelRatio(), ExpectedRatio()));
    qInfo("device pixel ratio %g", qApp->devicePixelRatio());
  }

  void init() {
    Messages::StartRecording();
    urls = std::make_unique<UrlCatcher>();
  }

  void cleanup() {
    delete Windows::ReportIfLoaded();
    delete Windows::MainIfLoaded();
    for (QWidget* w : Windows::InLoadOrder()) delete w;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Windows::ResetForTests();
    QVERIFY(urls->opened.isEmpty());
    urls.reset();
    Messages::StopRecording();
    QCOMPARE(Messages::Recorded().size(), 0);
    Messages::ClearRecorded();
  }

  // The checks themselves: a window with one fault of each kind.
  void faultsAreFound() {
    QWidget window;
    window.resize(200, 100);
    auto* cramped = new QLabel(QStringLiteral("A caption far too long for its box"), &window);
    cramped->setObjectName(QStringLiteral("cramped"));
    cramped->setGeometry(0, 0, 40, 20);
    auto* wrapped = new QLabel(QStringLiteral("Wrapped over more lines than its box can show"), &window);
    wrapped->setWordWrap(true);
    wrapped->setGeometry(0, 70, 60, 20);
    auto* button = new QPushButton(QStringLiteral("&Overlapping"), &window);
    button->setObjectName(QStringLiteral("button"));
    button->setGeometry(30, 10, 150, 30);
    auto* outside = new QLabel(QStringLiteral("Out"), &window);
    outside->setObjectName(QStringLiteral("outside"));
    outside->setGeometry(190, 50, 30, 20);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString found = LayoutProblems(&window).join(u'\n');
    for (const char* fault : {"caption needs", "wrapped caption needs", "overlaps", "lies outside"})
      QVERIFY2(found.contains(QLatin1String(fault)), qPrintable(found));
    QCOMPARE(LayoutProblems(&window).size(), 4);
    // What the design intends is not a fault.
    QCOMPARE(LayoutProblems(&window, {{"outside"}, {"button/cramped"}}).size(), 2);

    // Black on the grey the report window's tabs once had: 3.7:1.
    QVERIFY(ContrastProblems(&window).isEmpty());
    QPalette grey = wrapped->palette();
    grey.setColor(QPalette::Window, QColor(103, 103, 103));
    grey.setColor(QPalette::WindowText, Qt::black);
    wrapped->setPalette(grey);
    wrapped->setAutoFillBackground(true);
    QCOMPARE(ContrastProblems(&window).size(), 1);
  }

  void mainWindow() {
    FrmMain* input = ShowInput({"cleopatra philopator", 28, 9, 1969}, {"mark antony", 30, 11, 1983});
    // The strips are drawn over the group's top and bottom edges; the top
    // strip hides the empty foot of its link label (its text is checked
    // against what the strip shows).
    CheckWindow(input, {{"Label61"}, {"Frame1/Frame2", "Frame1/Frame5"}});
  }

  void reportWindow_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<Person>("user");
    QTest::addColumn<Person>("partner");
    const Person ann{"ann lee", 20, 7, 1980};
    const Person bob{"bob", 10, 10, 1975};
    // Longest captions the calendar and the lists give: "The Nile", "September".
    const Person cleopatra{"cleopatra philopator", 1, 9, 2099};
    const Person antony{"mark antony", 28, 9, 1969};
    // Double-barrelled names, wider together than the tab bar.
    const Person maria{"maria del carmen fernandez gonzalez de la rosa", 3, 5, 1961};
    const Person jose{"jose antonio de la santisima trinidad", 14, 2, 1958};
    for (int tab = 0; tab < 3; ++tab) {
      QTest::addRow("short names, tab %d", tab) << tab << ann << bob;
      QTest::addRow("long names, tab %d", tab) << tab << cleopatra << antony;
      QTest::addRow("double-barrelled names, tab %d", tab) << tab << maria << jose;
    }
  }
  void reportWindow() {
    QFETCH(int, tab);
    QFETCH(Person, user);
    QFETCH(Person, partner);
    FrmDisplay* report = Compute(user, partner);
    QVERIFY(report && report->isVisible());
    auto* tabs = Child<QTabWidget>(report, "tabSelect");
    // Every tab is whole on the bar as the window opens; none has scrolled
    // off, however long the names.
    QVERIFY(QTest::qWaitForWindowExposed(report));
    // On a screen too small for it, it opens showing its top left (menus,
    // strip, tabs), with Save holding the focus wherever Save lies.
    QVERIFY(QTest::qWaitForWindowActive(report));
    QCOMPARE(QApplication::focusWidget(), Child<QPushButton>(report, "cmdSave"));
    if (auto* scroller = report->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly)) {
      QCOMPARE(scroller->horizontalScrollBar()->value(), 0);
      QCOMPARE(scroller->verticalScrollBar()->value(), 0);
    }
    for (int i = 0; i < tabs->count(); ++i)
      QVERIFY2(tabs->tabBar()->rect().contains(tabs->tabBar()->tabRect(i)), qPrintable(QString::number(i)));
    tabs->setCurrentIndex(tab);
    // The bottom strip is drawn over the tab control's lower edge.
    CheckWindow(report, {{}, {"tabSelect/Frame5"}});
    // Back lies at the far corner: reaching it by keyboard scrolls it into view.
    QVERIFY(QTest::qWaitForWindowActive(report));
    auto* back = Child<QPushButton>(report, "cmdBack");
    back->setFocus(Qt::TabFocusReason);
    if (auto* scroller = report->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly)) {
      const QRect shown(back->mapTo(scroller->viewport(), QPoint(0, 0)), back->size());
      QVERIFY2(scroller->viewport()->rect().contains(shown),
               qPrintable(QStringLiteral("%1,%2").arg(shown.x()).arg(shown.y())));
    }
  }

  // A wheel turn over a date list that does not hold the focus leaves the
  // list alone and scrolls the window, where the window scrolls.
  void wheelOverAListScrollsTheWindow() {
    FrmMain* input = ShowInput({"ann", 1, 1, 1950}, {"bob", 1, 1, 1950});
    QVERIFY(QTest::qWaitForWindowActive(input));
    Child<QLineEdit>(input, "txtName")->setFocus();
    auto* year = Child<QComboBox>(input, "cmbPartnerYear");
    auto* scroller = input->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
    QScrollBar* bar = scroller != nullptr ? scroller->verticalScrollBar() : nullptr;
    if (bar != nullptr) bar->setValue(0);
    WheelOver(year, -1);
    QCOMPARE(year->currentText(), QStringLiteral("1950"));
    if (bar != nullptr && bar->maximum() > 0) QVERIFY(bar->value() > 0);
  }

  void aboutBox() {
    FrmAbout box;
    box.show();
    // The rule above OK runs past both edges, as a line across the box.
    CheckWindow(&box, {{"Line2"}, {}});
    auto* icon = box.findChild<QLabel*>(QStringLiteral("picIcon"));
    CheckDrawnForScreen(icon, icon->size());
  }

  void farewell_data() {
    QTest::addColumn<int>("promotion");
    for (int i = 0; i < FrmFarewell::PromotionCount; ++i) QTest::addRow("promotion %d", i) << i;
  }
  void farewell() {
    QFETCH(int, promotion);
    auto* window = new FrmFarewell;
    const std::unique_ptr<FrmFarewell> owned(window);  // not one of the program's loaded windows
    window->findChild<QLabel*>(QStringLiteral("Label2"))->setText(FrmFarewell::PromotionText(promotion));
    window->show();
    // The message box lies below its frame's edge, never seen.
    CheckWindow(window, {{"txtMessage"}, {}});
    auto* icon = window->findChild<QLabel*>(QStringLiteral("picFarewellIcon"));
    CheckDrawnForScreen(icon, icon->size());
  }

  void deityPicturesDrawnForTheScreen() {
    FrmDisplay* report = Compute({"ann", 1, 9, 1980}, {"bob", 10, 10, 1975});  // The Nile, Bastet
    QVERIFY(report);
    QVERIFY(QTest::qWaitForWindowExposed(report));
    for (const auto& [picture, index] : {std::pair{Child<QLabel>(report, "picGod"), 8}, std::pair{Child<QLabel>(report, "picPartnerGod"), 3}}) {
      const QImage jpeg = DeityPicture(index).toImage().convertToFormat(QImage::Format_RGB32);
      CheckDrawnForScreen(picture, jpeg.size());
      // Whatever the density, the same deity: brought down to the JPEG's
      // size the picture differs from it by little more than JPEG noise.
      const QImage shown = picture->pixmap()
                               .toImage()
                               .scaled(jpeg.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .convertToFormat(QImage::Format_RGB32);
      qint64 difference = 0;
      for (int y = 0; y < jpeg.height(); ++y)
        for (int x = 0; x < jpeg.width(); ++x) {
          const QRgb a = jpeg.pixel(x, y);
          const QRgb b = shown.pixel(x, y);
          difference += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
        }
      const double perChannel = double(difference) / (3.0 * jpeg.width() * jpeg.height());
      QVERIFY2(perChannel < 12, qPrintable(QString::number(perChannel)));
      if (ExpectedRatio() == 1) QCOMPARE(shown, jpeg);  // the JPEG itself at 1x
    }
  }
};

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
