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
#include "ui/controls.h"
#include "ui/look.h"
#include "ui/pages.h"
#include "ui/promotion.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include <array>

namespace {

// Client area in twips: the full width, and down past the Save/Print panel.
constexpr TwipsBox Client{0, 0, 11295, 7320 + 930 + 120};

// The group that fills each tab page.
constexpr int GroupWidth = 11260;
constexpr int GroupInset = 60;  // keeps auto-sized captions off the group's border
// Its height is the tab control's to give.
constexpr TwipsBox PageArea{0, 0, GroupWidth, 0};

constexpr QColor WindowBackground{94, 94, 94};
constexpr QColor SavePrintFace{238, 232, 170};
// A darker red than pure red, which shows at only 2.5:1 on the light grey.
constexpr QColor SignRed{160, 0, 0};
constexpr QColor VerdictText{255, 255, 255};

constexpr int DesignPicture = 8;  // The Nile, until a run sets the sign

constexpr TranslatableText Text(const char* source) { return {"FrmDisplay", source}; }

constexpr ControlRow Button(const char* name, const char* container, TwipsBox box, TranslatableText caption,
                            ControlFont font, QColor face) {
  return {.name = name,
          .kind = ControlKind::Button,
          .container = container,
          .box = box,
          .caption = caption,
          .font = font,
          .background = face};
}

constexpr ControlFont SavePrintFont{.points = 8.25, .classic = true};
constexpr ControlFont StripButtonFont{8.25, true};

// Keyboard order is creation order: Save, Print, the tabs, Back, Exit, then
// the pages' pictures and views. (Reordering afterwards with setTabOrder is
// unreliable for compound widgets such as the tab control and the views.)
constexpr auto Controls = JoinRows(
    PromotionRows({.stripName = "Frame2",
                   .strip = {0, 0, Client.width, 615},
                   .linkName = "Label61",
                   // Kept inside the strip, equally inset on both sides, so the
                   // centred text is centred on the strip and no line is cut at its edges.
                   .link = {120, 135, Client.width - 240, 615 - 135},
                   .text = DiscussionBoardText,
                   .points = 9,
                   .alignment = Qt::AlignHCenter | Qt::AlignTop,
                   .page = &Page::Home}),
    std::array{
        ControlRow{.name = "Frame1",
                   .kind = ControlKind::Panel,
                   .box = {4800, 7320, 4530, 930},
                   .background = WindowBackground},
        Button("cmdSave", "Frame1", {360, 360, 1125, 345}, Text(QT_TRANSLATE_NOOP("FrmDisplay", "&Save")),
               SavePrintFont, SavePrintFace),
        Button("cmdPrint", "Frame1", {1680, 360, 1125, 345}, Text(QT_TRANSLATE_NOOP("FrmDisplay", "&Print")),
               SavePrintFont, SavePrintFace),
        ControlRow{.name = "tabSelect",
                   .kind = ControlKind::Custom,
                   .box = {0, 620, Client.width, 5655},
                   .font = {8.25},
                   .accessibleName = Text(QT_TRANSLATE_NOOP("FrmDisplay", "Report pages")),
                   .make = [](const QString&, QWidget* parent) -> QWidget* { return new CaptionTabWidget(parent); }}},
    // The bottom strip overlaps the tab control's lower edge: made after it, it lies above it.
    PromotionRows({.stripName = "Frame5",
                   .strip = {0, 6240, Client.width, 700},
                   .linkName = "Label1",
                   .link = {120, 160, 8295, 495},
                   .text = HomeBusinessText,
                   .points = 8.25,
                   .alignment = Qt::AlignLeft | Qt::AlignTop,
                   .page = &Page::FullyBranded}),
    std::array{Button("cmdBack", "Frame5", {10200, 240, 930, 345}, Text(QT_TRANSLATE_NOOP("FrmDisplay", "&Back")),
                      StripButtonFont, Colour::ButtonFace),
               Button("cmExit", "Frame5", {9120, 240, 930, 345}, Text(QT_TRANSLATE_NOOP("FrmDisplay", "&Exit")),
                      StripButtonFont, Colour::ButtonFace)});
static_assert(WellFormed(Controls, Client));

// The deity's picture. It is in the keyboard order, so a screen reader
// announces the deity; the frame shows where the focus is.
QWidget* MakePicture(const QString& /*caption*/, QWidget* parent) {
  auto* picture = new QLabel(parent);
  picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  picture->setAlignment(Qt::AlignCenter);
  picture->setFocusPolicy(Qt::TabFocus);
  picture->setStyleSheet(QStringLiteral("QLabel:focus { border: 2px solid palette(highlight); }"));
  return picture;
}

QWidget* MakeView(const QString& /*caption*/, QWidget* parent) { return new ReportView(parent); }

constexpr TranslatableText SignGroupCaption = Text(QT_TRANSLATE_NOOP("FrmDisplay", "Egyptian Astrology Sign"));

// A tab page's frame, which fills the page.
constexpr ControlRow PageGroup(const char* name, TranslatableText caption) {
  return {.name = name,
          .kind = ControlKind::Group,
          .caption = caption,
          .font = {8.25, true},
          .background = SysColor::InactiveBorder};
}

constexpr std::array<ControlRow, 2> SignPage(const char* picture, const char* view, TranslatableText viewName) {
  return {{{.name = picture,
            .kind = ControlKind::Custom,
            .box = {9360, 480, 1770, 2730},
            .background = Colour::PictureBackground,
            .make = MakePicture},
           {.name = view,
            .kind = ControlKind::Custom,
            .box = {120, 240, 9165, 4935},
            .accessibleName = viewName,
            .make = MakeView}}};
}
constexpr auto UserPage = SignPage("picGod", "RTB", Text(QT_TRANSLATE_NOOP("FrmDisplay", "Your sign report")));
constexpr auto PartnerPage =
    SignPage("picPartnerGod", "PartnerRTB", Text(QT_TRANSLATE_NOOP("FrmDisplay", "Your partner's sign report")));
static_assert(WellFormed(UserPage, PageArea) && WellFormed(PartnerPage, PageArea));

// A caption that sizes itself to its text (AutoSizeLabel): it has a place
// and a reach rather than a box, so it is not a row of the tables above.
struct AutoCaption {
  const char* name;
  TranslatableText caption{};  // none: shows its own name until a run writes it
  AutoSizeLabel::Anchor anchor = AutoSizeLabel::Anchor::Left;
  int left = 0;
  int top = 0;
  ControlFont font{};
  QColor text{};
  QColor background{};        // an opaque box, a little larger than the text
  TwipsBox minimum{};         // the design box, the smallest it gets
  int roomBottom = 0;         // how far down it may wrap (0: no limit)
  int right = GroupWidth - GroupInset;  // how far right it may reach
  Qt::Alignment alignment{};  // the kind's own unless given
  TranslatableText description{};
};

constexpr AutoCaption SignCaption(const char* name, int left) {
  // The design box is the smallest it gets; a longer caption widens it about its centre.
  return {.name = name,
          .caption = {"Calendar", "The Nile"},
          .anchor = AutoSizeLabel::Anchor::Centre,
          .left = left,
          .top = 3435,
          .font = {12, true},
          .text = SignRed,
          .minimum = {0, 0, 1095, 270}};
}

constexpr AutoCaption Heading(const char* name, TranslatableText caption, int left, int top,
                              double points = 11.25) {
  return {.name = name,
          .caption = caption,
          .anchor = AutoSizeLabel::Anchor::Left,
          .left = left,
          .top = top,
          .font = {points, true, true}};
}

// A value shows its own name until a run writes it, and stays centred where
// that design caption stood. It owns the room down to the next row of
// headings. A screen reader reads it as the label's name; its heading says
// what the value is.
constexpr AutoCaption Value(const char* name, TranslatableText heading, int left, int top, int roomBottom,
                            double points, QColor colour = {}) {
  return {.name = name,
          .anchor = AutoSizeLabel::Anchor::Centre,
          .left = left,
          .top = top,
          .font = {points, true},
          .text = colour,
          .roomBottom = roomBottom,
          .description = heading};
}

// A name shares its row with a date: a long name keeps to the left of the
// date's heading and wraps there rather than running over the date.
constexpr AutoCaption Name(AutoCaption value) {
  value.right = 7440 - GroupInset;
  return value;
}

constexpr TranslatableText YourName = Text(QT_TRANSLATE_NOOP("FrmDisplay", "Your Name"));
constexpr TranslatableText YourDateOfBirth = Text(QT_TRANSLATE_NOOP("FrmDisplay", "Your Date Of Birth"));
constexpr TranslatableText YourSign = Text(QT_TRANSLATE_NOOP("FrmDisplay", "Your Egyptian Sign"));
constexpr TranslatableText PartnerName = Text(QT_TRANSLATE_NOOP("FrmDisplay", "Your Partner's Name"));
constexpr TranslatableText PartnerDateOfBirth = Text(QT_TRANSLATE_NOOP("FrmDisplay", "Your Partner's Date Of Birth"));
constexpr TranslatableText PartnerSign = Text(QT_TRANSLATE_NOOP("FrmDisplay", "Your Partner's Egyptian Sign"));
constexpr TranslatableText Compatibility = Text(QT_TRANSLATE_NOOP("FrmDisplay", "Compatibility With Your Partner"));

constexpr std::array Summary{
    Heading("Label2", YourName, 840, 480),
    Name(Value("lblYourName", YourName, 960, 840, 1080, 9)),
    Heading("Label3", YourDateOfBirth, 7920, 480),
    Value("lblYourDateOfBirth", YourDateOfBirth, 8160, 840, 1080, 9),
    Heading("Label6", YourSign, 4200, 1080),
    Value("lblYourEgyptianSign", YourSign, 4110, 1440, 2280, 11.25, SignRed),
    Heading("Label4", PartnerName, 480, 2280),
    Name(Value("lblYourPartnerName", PartnerName, 720, 2640, 3000, 9)),
    Heading("Label5", PartnerDateOfBirth, 7440, 2280),
    Value("lblYourPartnerDateOfBirth", PartnerDateOfBirth, 8055, 2640, 3000, 9),
    Heading("Label7", PartnerSign, 3720, 3000),
    Value("lblYourPartnerEgyptianSign", PartnerSign, 3780, 3360, 4080, 11.25, SignRed),
    [] {
      AutoCaption heading = Heading("Label8", Compatibility, 3465, 4080, 12);
      heading.alignment = Qt::AlignHCenter | Qt::AlignTop;
      return heading;
    }(),
    [] {
      // The verdict, white on an opaque black box.
      AutoCaption verdict = Value("lblCompatibility", Compatibility, 4695, 4680, 0, 9.75, VerdictText);
      verdict.background = SysColor::MenuText;
      return verdict;
    }(),
};

AutoSizeLabel* MakeCaption(QWidget* group, const AutoCaption& c) {
  const QString caption = c.caption.source != nullptr ? c.caption.Text() : QString::fromLatin1(c.name);
  auto* label = new AutoSizeLabel(caption, group, c.anchor);
  label->setObjectName(QString::fromLatin1(c.name));
  label->setFont(VerdanaFont(c.font.points, c.font.bold, c.font.underline));
  if (c.background.isValid()) label->setContentsMargins(4, 2, 4, 2);
  if (c.text.isValid() || c.background.isValid()) Paint(label, c.background, c.text);
  const QRect bounds(Twips(GroupInset), 0, Twips(c.right) - Twips(GroupInset), 0);
  const QSize minimum = c.minimum.Sized() ? QSize(Twips(c.minimum.width), Twips(c.minimum.height)) : QSize();
  label->Place(QPoint(Twips(c.left), Twips(c.top)), bounds, minimum,
               c.roomBottom > 0 ? Twips(c.roomBottom) - Twips(c.top) : 0);
  if (c.alignment != Qt::Alignment()) label->setAlignment(c.alignment);
  if (c.description.source != nullptr) label->setAccessibleDescription(c.description.Text());
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

FrmDisplay::FrmDisplay(QWidget* parent) : TopLevel(QStringLiteral("frmDisplay"), parent) {
  auto* client = new QWidget(this);
  client->setFixedSize(Twips(Client.width), Twips(Client.height));
  Paint(client, WindowBackground);
  setCentralWidget(client);

  const BuiltControls controls = BuildControls(client, Controls);
  cmdSave_ = controls.Get<QPushButton>("cmdSave");
  tabSelect_ = controls.Get<CaptionTabWidget>("tabSelect");
  connect(cmdSave_, &QPushButton::clicked, this, [this] { SaveReport(RTB_, this); });
  connect(controls.Get<QPushButton>("cmdPrint"), &QPushButton::clicked, this, [this] { PrintReport(RTB_, this); });
  connect(controls.Get<QPushButton>("cmExit"), &QPushButton::clicked, this, &QWidget::close);
  connect(controls.Get<QPushButton>("cmdBack"), &QPushButton::clicked, this, &FrmDisplay::GoBack);

  // The two sign pages differ only in their names. Each page's frame is
  // made on its own and then put in its page, which puts it in the tab control.
  const auto signPage = [this](const char* frame, const auto& rows, const AutoCaption& caption, QLabel*& picture,
                               ReportView*& view, AutoSizeLabel*& godName, const QString& tab) {
    auto* page = static_cast<QGroupBox*>(MakeControl(nullptr, PageGroup(frame, SignGroupCaption)));
    // Each picture is drawn as soon as it is made, before its page's view, the
    // order the window has always been built in. (Built the other way round,
    // GCC 12's leak checker loses its way in the thread-local storage at exit.)
    picture = static_cast<QLabel*>(MakeControl(page, rows[0]));
    ShowPicture(picture, DesignPicture);
    view = static_cast<ReportView*>(MakeControl(page, rows[1]));
    godName = MakeCaption(page, caption);
    AddPage(tabSelect_, page, tab);
  };
  signPage("Frame3", UserPage, SignCaption("lblGodName", 9705), picGod_, RTB_, lblGodName_,
           tr("Your Characteristics"));
  signPage("Frame4", PartnerPage, SignCaption("lblPartnerGodName", 9720), picPartnerGod_, PartnerRTB_,
           lblPartnerGodName_, tr("Your Partner's Characteristics"));
  auto* summary = static_cast<QGroupBox*>(MakeControl(
      nullptr,
      PageGroup("Frame6", Text(QT_TRANSLATE_NOOP("FrmDisplay", "Egyptian Astrology Compatibility Result")))));
  for (const AutoCaption& caption : Summary) MakeCaption(summary, caption);
  AddPage(tabSelect_, summary, tr("Compatibility With Your Partner"));
  tabSelect_->setCurrentIndex(2);
  tabSelect_->tabBar()->setAccessibleName(tr("Report pages"));

  auto value = [summary](const char* name) { return summary->findChild<AutoSizeLabel*>(QLatin1String(name)); };
  lblYourName_ = value("lblYourName");
  lblYourDateOfBirth_ = value("lblYourDateOfBirth");
  lblYourEgyptianSign_ = value("lblYourEgyptianSign");
  lblYourPartnerName_ = value("lblYourPartnerName");
  lblYourPartnerDateOfBirth_ = value("lblYourPartnerDateOfBirth");
  lblYourPartnerEgyptianSign_ = value("lblYourPartnerEgyptianSign");
  lblCompatibility_ = value("lblCompatibility");

  BuildMenus();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  cmdSave_->setFocus();
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

void FrmDisplay::FirstShowing() { cmdSave_->setFocus(); }

void FrmDisplay::Unloading() { emit unloading(); }
