#include "report/frmdisplay.h"

#include "astro/calendar.h"
#include "report/autosizelabel.h"
#include "report/captiontabs.h"
#include "report/composer.h"
#include "report/displaytext.h"
#include "report/pictures.h"
#include "report/reading.h"
#include "report/reportview.h"
#include "report/saveprint.h"
#include "ui/linklabel.h"
#include "ui/look.h"
#include "ui/pages.h"
#include "ui/promotion.h"
#include "ui/window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include <string>
#include <utility>

namespace {

// Client area in twips: the full width, and down past the Save/Print panel.
constexpr int ClientWidth = 11295;
constexpr int ClientHeight = 7320 + 930 + 120;

// The group that fills each tab page.
constexpr int GroupWidth = 11260;
constexpr int GroupInset = 60;  // keeps auto-sized captions off the group's border

const QColor WindowBackground{94, 94, 94};
const QColor SavePrintFace{238, 232, 170};
// A darker red than pure red, which shows at only 2.5:1 on the light grey.
const QColor SignRed{160, 0, 0};
const QColor VerdictText{255, 255, 255};

constexpr int DesignPicture = 8;  // The Nile, until a run sets the sign

QFrame* BlackStrip(QWidget* parent, const QString& name, QRect geometry) {
  auto* strip = new QFrame(parent);
  strip->setObjectName(name);
  strip->setGeometry(geometry);
  Paint(strip, Colour::Black);
  return strip;
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption, QRect geometry,
                    const QFont& font, const QColor& face) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  button->setFont(font);
  // Enter acts on the focused button, as Space does.
  button->setAutoDefault(true);
  Paint(button, face);
  return button;
}

QGroupBox* Group(const QString& name, const QString& caption) {
  auto* group = new QGroupBox(caption);
  group->setObjectName(name);
  group->setFont(VerdanaFont(8.25, true));
  Paint(group, SysColor::InactiveBorder);
  return group;
}

// Usable width of a group for captions that size themselves: all of it, or
// the span from `left` to `right` (twips).
QRect GroupBounds(int left = GroupInset, int right = GroupWidth - GroupInset) {
  return QRect(Twips(left), 0, Twips(right) - Twips(left), 0);
}

// A name shares its row with a date: a long name keeps to the left of the
// date's heading and wraps there rather than running over the date.
constexpr int NameColumnRight = 7440 - GroupInset;

AutoSizeLabel* Heading(QWidget* group, const QString& name, const QString& caption, int left, int top,
                       double pointSize) {
  auto* label = new AutoSizeLabel(caption, group);
  label->setObjectName(name);
  label->setFont(VerdanaFont(pointSize, true, true));
  label->Place(QPoint(Twips(left), Twips(top)), GroupBounds());
  return label;
}

// A value label shows its own name until a run writes it, and stays centred
// where that design caption stood. It owns the room down to the next row of
// headings (`roomBottom`, twips; 0 for the last row).
AutoSizeLabel* Value(QWidget* group, const QString& name, int left, int top, int roomBottom, double pointSize,
                     const QColor& colour = QColor(), QRect bounds = GroupBounds()) {
  auto* label = new AutoSizeLabel(name, group, AutoSizeLabel::Anchor::Centre);
  label->setObjectName(name);
  label->setFont(VerdanaFont(pointSize, true));
  if (colour.isValid()) Paint(label, QColor(), colour);
  label->Place(QPoint(Twips(left), Twips(top)), bounds, QSize(), roomBottom > 0 ? Twips(roomBottom) - Twips(top) : 0);
  return label;
}

bool ShowPicture(QLabel* picture, int index) {
  if (!ShowDeityPicture(picture, index)) return false;
  picture->setProperty("pictureIndex", index);
  // A screen reader has no other way to learn whose picture it is.
  picture->setAccessibleName(FromEngine("Calendar", SignDisplayName(static_cast<SignName>(index - 1))));
  return true;
}

void AddPage(QTabWidget* tabs, QGroupBox* group, const QString& caption) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(group);
  tabs->addTab(page, caption);
}

}  // namespace

FrmDisplay::FrmDisplay(QWidget* parent) : QMainWindow(parent) {
  SetUpTopLevel(this, QStringLiteral("frmDisplay"));

  auto* client = new QWidget(this);
  client->setFixedSize(Twips(ClientWidth), Twips(ClientHeight));
  Paint(client, WindowBackground);
  setCentralWidget(client);

  // Keyboard order is creation order: Save, Print, the tabs, Back, Exit, then
  // the pages' pictures and views. (Reordering afterwards with setTabOrder is unreliable
  // for compound widgets such as the tab control and the views.)
  BuildTopStrip(client);
  BuildSavePrintPanel(client);

  tabSelect_ = new CaptionTabWidget(client);
  tabSelect_->setObjectName(QStringLiteral("tabSelect"));
  tabSelect_->setGeometry(TwipsRect(0, 620, ClientWidth, 5655));
  tabSelect_->setFont(VerdanaFont(8.25));

  // The bottom strip overlaps the tab control's lower edge and lies above it.
  BuildBottomStrip(client)->raise();

  AddPage(tabSelect_,
          BuildSignPage(QStringLiteral("Frame3"), 9705, RTB_, picGod_, lblGodName_, QStringLiteral("RTB"),
                        QStringLiteral("picGod"), QStringLiteral("lblGodName")),
          tr("Your Characteristics"));
  AddPage(tabSelect_,
          BuildSignPage(QStringLiteral("Frame4"), 9720, PartnerRTB_, picPartnerGod_, lblPartnerGodName_,
                        QStringLiteral("PartnerRTB"), QStringLiteral("picPartnerGod"),
                        QStringLiteral("lblPartnerGodName")),
          tr("Your Partner's Characteristics"));
  AddPage(tabSelect_, BuildSummaryPage(), tr("Compatibility With Your Partner"));
  tabSelect_->setCurrentIndex(2);
  tabSelect_->setAccessibleName(tr("Report pages"));
  tabSelect_->tabBar()->setAccessibleName(tr("Report pages"));
  RTB_->setAccessibleName(tr("Your sign report"));
  PartnerRTB_->setAccessibleName(tr("Your partner's sign report"));

  BuildMenus();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  cmdSave_->setFocus();
}

QFrame* FrmDisplay::BuildTopStrip(QWidget* parent) {
  QFrame* strip = BlackStrip(parent, QStringLiteral("Frame2"), TwipsRect(0, 0, ClientWidth, 615));
  auto* link = new LinkLabel(DiscussionBoardText, strip);
  link->setObjectName(QStringLiteral("Label61"));
  // Kept inside the strip, equally inset on both sides, so the centred text
  // is centred on the strip and no line is cut at its edges.
  link->setGeometry(TwipsRect(120, 135, ClientWidth - 240, 615 - 135));
  link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  link->setWordWrap(true);
  link->setFont(VerdanaFont(9, true, true));
  Paint(link, QColor(), SysColor::InactiveBorder);
  connect(link, &LinkLabel::clicked, this, [] { OpenWebPage(Page::Home); });
  return strip;
}

QGroupBox* FrmDisplay::BuildSignPage(const QString& groupName, int labelLeft, ReportView*& view,
                                     QLabel*& picture, AutoSizeLabel*& signLabel, const QString& viewName,
                                     const QString& pictureName, const QString& signLabelName) {
  QGroupBox* group = Group(groupName, tr("Egyptian Astrology Sign"));

  picture = new QLabel(group);
  picture->setObjectName(pictureName);
  picture->setGeometry(TwipsRect(9360, 480, 1770, 2730));
  picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  picture->setAlignment(Qt::AlignCenter);
  Paint(picture, Colour::PictureBackground);
  // The pictures are in the keyboard order, so a screen reader announces the
  // deity; the frame shows where the focus is.
  picture->setFocusPolicy(Qt::TabFocus);
  picture->setStyleSheet(QStringLiteral("QLabel:focus { border: 2px solid palette(highlight); }"));
  ShowPicture(picture, DesignPicture);

  view = new ReportView(group);
  view->setObjectName(viewName);
  view->setGeometry(TwipsRect(120, 240, 9165, 4935));

  signLabel = new AutoSizeLabel(QCoreApplication::translate("Calendar", "The Nile"), group, AutoSizeLabel::Anchor::Centre);
  signLabel->setObjectName(signLabelName);
  signLabel->setFont(VerdanaFont(12, true));
  Paint(signLabel, QColor(), SignRed);
  // The design box is the smallest it gets; a longer caption widens it about its centre.
  signLabel->Place(QPoint(Twips(labelLeft), Twips(3435)), GroupBounds(), QSize(Twips(1095), Twips(270)));
  return group;
}

QGroupBox* FrmDisplay::BuildSummaryPage() {
  QGroupBox* group = Group(QStringLiteral("Frame6"), tr("Egyptian Astrology Compatibility Result"));

  Heading(group, QStringLiteral("Label2"), tr("Your Name"), 840, 480, 11.25);
  lblYourName_ = Value(group, QStringLiteral("lblYourName"), 960, 840, 1080, 9, QColor(),
                       GroupBounds(GroupInset, NameColumnRight));
  Heading(group, QStringLiteral("Label3"), tr("Your Date Of Birth"), 7920, 480, 11.25);
  lblYourDateOfBirth_ = Value(group, QStringLiteral("lblYourDateOfBirth"), 8160, 840, 1080, 9);
  Heading(group, QStringLiteral("Label6"), tr("Your Egyptian Sign"), 4200, 1080, 11.25);
  lblYourEgyptianSign_ = Value(group, QStringLiteral("lblYourEgyptianSign"), 4110, 1440, 2280, 11.25, SignRed);
  Heading(group, QStringLiteral("Label4"), tr("Your Partner's Name"), 480, 2280, 11.25);
  lblYourPartnerName_ = Value(group, QStringLiteral("lblYourPartnerName"), 720, 2640, 3000, 9, QColor(),
                              GroupBounds(GroupInset, NameColumnRight));
  Heading(group, QStringLiteral("Label5"), tr("Your Partner's Date Of Birth"), 7440, 2280, 11.25);
  lblYourPartnerDateOfBirth_ = Value(group, QStringLiteral("lblYourPartnerDateOfBirth"), 8055, 2640, 3000, 9);
  Heading(group, QStringLiteral("Label7"), tr("Your Partner's Egyptian Sign"), 3720, 3000, 11.25);
  lblYourPartnerEgyptianSign_ =
      Value(group, QStringLiteral("lblYourPartnerEgyptianSign"), 3780, 3360, 4080, 11.25, SignRed);
  Heading(group, QStringLiteral("Label8"), tr("Compatibility With Your Partner"), 3465, 4080, 12)
      ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

  lblCompatibility_ = new AutoSizeLabel(QStringLiteral("lblCompatibility"), group, AutoSizeLabel::Anchor::Centre);
  lblCompatibility_->setObjectName(QStringLiteral("lblCompatibility"));
  lblCompatibility_->setFont(VerdanaFont(9.75, true));
  lblCompatibility_->setContentsMargins(4, 2, 4, 2);
  Paint(lblCompatibility_, SysColor::MenuText, VerdictText);
  lblCompatibility_->Place(QPoint(Twips(4695), Twips(4680)), GroupBounds());

  // A screen reader reads each value as the label's name; its heading says
  // what the value is.
  const std::pair<QLabel*, const char*> described[]{
    {lblYourName_, QT_TR_NOOP("Your Name")},
    {lblYourDateOfBirth_, QT_TR_NOOP("Your Date Of Birth")},
    {lblYourEgyptianSign_, QT_TR_NOOP("Your Egyptian Sign")},
    {lblYourPartnerName_, QT_TR_NOOP("Your Partner's Name")},
    {lblYourPartnerDateOfBirth_, QT_TR_NOOP("Your Partner's Date Of Birth")},
    {lblYourPartnerEgyptianSign_, QT_TR_NOOP("Your Partner's Egyptian Sign")},
    {lblCompatibility_, QT_TR_NOOP("Compatibility With Your Partner")}};
  for (const auto& [label, heading] : described) label->setAccessibleDescription(tr(heading));
  return group;
}

QFrame* FrmDisplay::BuildBottomStrip(QWidget* parent) {
  QFrame* strip = BlackStrip(parent, QStringLiteral("Frame5"), TwipsRect(0, 6240, ClientWidth, 700));
  auto* link = new LinkLabel(HomeBusinessText, strip);
  link->setObjectName(QStringLiteral("Label1"));
  link->setGeometry(TwipsRect(120, 160, 8295, 495));
  link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  link->setWordWrap(true);
  link->setFont(VerdanaFont(8.25, true, true));
  Paint(link, QColor(), SysColor::InactiveBorder);
  connect(link, &LinkLabel::clicked, this, [] { OpenWebPage(Page::FullyBranded); });

  const QFont bold = VerdanaFont(8.25, true);
  cmdBack_ = Button(strip, QStringLiteral("cmdBack"), tr("&Back"), TwipsRect(10200, 240, 930, 345),
                    bold, Colour::ButtonFace);
  cmExit_ = Button(strip, QStringLiteral("cmExit"), tr("&Exit"), TwipsRect(9120, 240, 930, 345), bold,
                   Colour::ButtonFace);
  connect(cmExit_, &QPushButton::clicked, this, &QWidget::close);
  connect(cmdBack_, &QPushButton::clicked, this, &FrmDisplay::GoBack);
  return strip;
}

QFrame* FrmDisplay::BuildSavePrintPanel(QWidget* parent) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QStringLiteral("Frame1"));
  panel->setGeometry(TwipsRect(4800, 7320, 4530, 930));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Paint(panel, WindowBackground);

  const QFont font = SansSerifFont(8.25);
  cmdSave_ = Button(panel, QStringLiteral("cmdSave"), tr("&Save"), TwipsRect(360, 360, 1125, 345), font,
                    SavePrintFace);
  cmdPrint_ = Button(panel, QStringLiteral("cmdPrint"), tr("&Print"), TwipsRect(1680, 360, 1125, 345),
                     font, SavePrintFace);
  connect(cmdSave_, &QPushButton::clicked, this, [this] { SaveReport(RTB_, this); });
  connect(cmdPrint_, &QPushButton::clicked, this, [this] { PrintReport(RTB_, this); });
  return panel;
}

void FrmDisplay::BuildMenus() {
  auto entry = [](QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
  };

  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
  connect(entry(file, QStringLiteral("mnuSave"), tr("&Save")), &QAction::triggered, this,
          [this] { SaveReport(RTB_, this); });
  connect(entry(file, QStringLiteral("mnuPrint"), tr("&Print")), &QAction::triggered, this,
          [this] { PrintReport(RTB_, this); });
  connect(entry(file, QStringLiteral("mnuBack"), tr("&Back")), &QAction::triggered, this,
          &FrmDisplay::GoBack);
  connect(entry(file, QStringLiteral("mnuExit"), tr("E&xit")), &QAction::triggered, this,
          &FrmDisplay::exitRequested);

  QAction* about = AddSharedMenus(menuBar(), {"mnuFileSep1", "mnuFileSep2", QT_TRANSLATE_NOOP("SharedMenus", "&Check for Software Update")});
  connect(about, &QAction::triggered, this, &FrmDisplay::aboutRequested);
}

void FrmDisplay::ShowReading(const Reading& reading) {
  ShowPicture(picGod_, reading.user.picture);
  lblGodName_->SetCaption(reading.user.caption);
  RTB_->WriteAll([&] { ComposeUserReport(*RTB_, reading.user.caption, reading.user.record); });

  ShowPicture(picPartnerGod_, reading.partner.picture);
  lblPartnerGodName_->SetCaption(reading.partner.caption);
  PartnerRTB_->WriteAll(
      [&] { ComposePartnerReport(*PartnerRTB_, reading.partner.caption, reading.partner.record); });

  lblCompatibility_->SetCaption(reading.verdict);

  lblYourName_->SetCaption(reading.user.name);
  lblYourDateOfBirth_->SetCaption(reading.user.dateLabel);
  lblYourEgyptianSign_->SetCaption(reading.user.caption);
  lblYourPartnerName_->SetCaption(reading.partner.name);
  lblYourPartnerDateOfBirth_->SetCaption(reading.partner.dateLabel);
  lblYourPartnerEgyptianSign_->SetCaption(reading.partner.caption);

  tabSelect_->SetCaption(0, reading.user.tabCaption);
  tabSelect_->SetCaption(1, reading.partner.tabCaption);
  tabSelect_->SetCaption(2, reading.summaryCaption);

  RTB_->SetSelectionStart(0);
  PartnerRTB_->SetSelectionStart(0);
}

void FrmDisplay::GoBack() { emit backRequested(); }

void FrmDisplay::showEvent(QShowEvent* event) {
  if (!placed_) {
    placed_ = true;
    PlaceOnScreen(this);
    cmdSave_->setFocus();
  }
  QMainWindow::showEvent(event);
}

void FrmDisplay::closeEvent(QCloseEvent* event) {
  emit unloading();
  event->accept();
}
