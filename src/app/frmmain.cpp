#include "app/frmmain.h"

#include "app/keyfilter.h"
#include "app/namemenu.h"
#include "ui/controls.h"
#include "ui/look.h"
#include "ui/messages.h"
#include "ui/pages.h"
#include "ui/promotion.h"
#include "ui/window.h"

#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <array>

namespace {
constexpr TwipsBox Client{0, 0, 6990, 5790};

constexpr QColor Blue{0, 0, 255};
constexpr QColor FieldGrey{64, 64, 64};

constexpr std::array<const char*, 12> MonthNames{
    QT_TRANSLATE_NOOP("FrmMain", "January"), QT_TRANSLATE_NOOP("FrmMain", "February"),
    QT_TRANSLATE_NOOP("FrmMain", "March"),   QT_TRANSLATE_NOOP("FrmMain", "April"),
    QT_TRANSLATE_NOOP("FrmMain", "May"),     QT_TRANSLATE_NOOP("FrmMain", "June"),
    QT_TRANSLATE_NOOP("FrmMain", "July"),    QT_TRANSLATE_NOOP("FrmMain", "August"),
    QT_TRANSLATE_NOOP("FrmMain", "September"), QT_TRANSLATE_NOOP("FrmMain", "October"),
    QT_TRANSLATE_NOOP("FrmMain", "November"), QT_TRANSLATE_NOOP("FrmMain", "December")};
constexpr int FirstYear = 1900;
constexpr int YearCount = 200;
constexpr int SelectedYearPosition = 50;  // 1950

constexpr TranslatableText Text(const char* source) { return {"FrmMain", source}; }

// The bold font is for a group's caption only; every control in it names its own.
constexpr ControlRow Group(const char* name, const char* container, TwipsBox box, TranslatableText caption) {
  return {.name = name,
          .kind = ControlKind::Group,
          .container = container,
          .box = box,
          .caption = caption,
          .font = {WindowTextPoints, true},
          .background = SysColor::InactiveBorder,
          .text = SysColor::MenuText,
          // Each person's group labels that person's lists, which Linux
          // screen readers otherwise name by their value.
          .look = ControlLook::NamedByCaption};
}

constexpr ControlRow Caption(const char* name, const char* group, TwipsBox box, TranslatableText caption,
                             const char* buddy, bool heading = false) {
  return {.name = name,
          .kind = ControlKind::Label,
          .container = group,
          .box = box,
          .caption = caption,
          .font = {WindowTextPoints, false, heading},
          .buddy = buddy};
}

constexpr ControlRow Field(const char* name, ControlKind kind, const char* group, TwipsBox box,
                           TranslatableText accessibleName, TranslatableText accessibleDescription = {}) {
  return {.name = name,
          .kind = kind,
          .container = group,
          .box = box,
          .font = {WindowTextPoints},
          .background = FieldGrey,
          .text = SysColor::InactiveBorder,
          .maxLength = kind == ControlKind::Box ? FrmMain::NameLengthLimit : 0,
          .accessibleName = accessibleName,
          .accessibleDescription = accessibleDescription};
}

// The controls' names in one person's group, and what screen readers call
// the fields: the captions beside them ("Name :-") are the same in both.
struct PersonNames {
  const char* group;
  const char* nameLabel;
  const char* nameBox;
  const char* dateHeading;
  const char* monthHeading;
  const char* yearHeading;
  const char* birthLabel;
  const char* dateList;
  const char* monthList;
  const char* yearList;
  TranslatableText name;
  TranslatableText day;
  TranslatableText month;
  TranslatableText year;
};

// Both person groups share one inner layout.
constexpr std::array<ControlRow, 9> PersonRows(const PersonNames& n) {
  return {
      Caption(n.nameLabel, n.group, {480, 360, 705, 195}, Text(QT_TRANSLATE_NOOP("FrmMain", "Name :-")), n.nameBox),
      Field(n.nameBox, ControlKind::Box, n.group, {1920, 360, 3375, 285}, n.name,
            Text(QT_TRANSLATE_NOOP("FrmMain", "Letters and blanks only; letters appear in capitals"))),
      Caption(n.dateHeading, n.group, {2160, 720, 405, 195}, Text(QT_TRANSLATE_NOOP("FrmMain", "Date")), n.dateList,
              true),
      Caption(n.monthHeading, n.group, {3240, 720, 510, 195}, Text(QT_TRANSLATE_NOOP("FrmMain", "Month")),
              n.monthList, true),
      Caption(n.yearHeading, n.group, {4560, 720, 390, 195}, Text(QT_TRANSLATE_NOOP("FrmMain", "Year")), n.yearList,
              true),
      Caption(n.birthLabel, n.group, {480, 960, 1275, 195},
              //: "Date of birth", in the window's old-fashioned spelling.
              Text(QT_TRANSLATE_NOOP("FrmMain", "Date O Birth :-")), nullptr),
      Field(n.dateList, ControlKind::List, n.group, {1920, 960, 855, 315}, n.day),
      Field(n.monthList, ControlKind::List, n.group, {2880, 960, 1335, 315}, n.month),
      Field(n.yearList, ControlKind::List, n.group, {4320, 960, 975, 315}, n.year),
  };
}

constexpr auto Controls = JoinRows(
    PromotionRows({.stripName = "Frame2",
                   .strip = {0, 0, 6975, 615},
                   .linkName = "Label61",
                   .link = {360, 120, 6480, 585},
                   .text = DiscussionBoardText,
                   .points = 9,
                   .alignment = Qt::AlignHCenter | Qt::AlignTop,
                   .page = &Page::Home,
                   .look = ControlLook::Overhangs}),  // the strip cuts off the link box's foot
    std::array{
        Group("Frame1", nullptr, {0, 600, 6975, 4335},
              Text(QT_TRANSLATE_NOOP("FrmMain", "Please Fill in Your Personal Details"))),
        ControlRow{.name = "Label12",
                   .kind = ControlKind::Label,
                   .container = "Frame1",
                   .box = {120, 240, 6735, 615},
                   .caption = Text(QT_TRANSLATE_NOOP(
                       "FrmMain",
                       "Know your Egyptian Astrology Sign. Get your compatibility with your partner on the basis of "
                       "Egyptian Astrology! Just enter your birth details and you are all set to go!")),
                   .font = {WindowTextPoints, true},
                   .text = Blue,
                   .alignment = Qt::AlignHCenter | Qt::AlignTop,
                   .look = ControlLook::Wrap},
        Group("Frame4", "Frame1", {480, 960, 5895, 1455}, Text(QT_TRANSLATE_NOOP("FrmMain", "Your Details")))},
    PersonRows({"Frame4", "Label2", "txtName", "Label4", "Label5", "Label6", "Label1", "cmbDate", "cmbMonth", "cmbYear",
            Text(QT_TRANSLATE_NOOP("FrmMain", "Your name")), Text(QT_TRANSLATE_NOOP("FrmMain", "Your birth day")),
            Text(QT_TRANSLATE_NOOP("FrmMain", "Your birth month")),
            Text(QT_TRANSLATE_NOOP("FrmMain", "Your birth year"))}),
    std::array{Group("Frame3", "Frame1", {480, 2520, 5895, 1335},
                     Text(QT_TRANSLATE_NOOP("FrmMain", "Your Partner's Details")))},
    PersonRows({"Frame3", "Label11", "txtPartnerName", "Label10", "Label9", "Label8", "Label3", "cmbPartnerDate",
            "cmbPartnerMonth", "cmbPartnerYear", Text(QT_TRANSLATE_NOOP("FrmMain", "Your partner's name")),
            Text(QT_TRANSLATE_NOOP("FrmMain", "Your partner's birth day")),
            Text(QT_TRANSLATE_NOOP("FrmMain", "Your partner's birth month")),
            Text(QT_TRANSLATE_NOOP("FrmMain", "Your partner's birth year"))}),
    std::array{ControlRow{
        .name = "Command1",
        .kind = ControlKind::Button,
        .container = "Frame1",
        .box = {480, 3885, 5895, 375},
        .caption = Text(QT_TRANSLATE_NOOP("FrmMain", "Get My &Egyptian Astrology Compatibility")),
        .font = {WindowTextPoints, true},
        .background = Colour::ButtonFace,
        .text = SysColor::MenuText,
        .look = ControlLook::Unfilled,
        .accessibleDescription =
            Text(QT_TRANSLATE_NOOP("FrmMain", "Shows both signs and your compatibility in the report window"))}},
    PromotionRows({.stripName = "Frame5",
                   .strip = {0, 4920, 6975, 855},
                   .linkName = "Label7",
                   .link = {240, 165, 6495, 615},
                   .text = HomeBusinessText,
                   .points = WindowTextPoints,
                   .alignment = Qt::AlignHCenter | Qt::AlignTop,
                   .page = &Page::FullyBranded}));
static_assert(WellFormed(Controls, Client));

void AddDays(QComboBox* list) {
  for (int day = 1; day <= 31; ++day) list->addItem(QString::number(day));
}
void AddMonths(QComboBox* list) {
  for (const char* month : MonthNames) list->addItem(FrmMain::tr(month));
}
void AddYears(QComboBox* list) {
  for (int year = FirstYear; year < FirstYear + YearCount; ++year) list->addItem(QString::number(year));
}
}  // namespace

FrmMain::FrmMain(QWidget* parent) : TopLevel(QStringLiteral("frmMain"), parent) {
  Paint(this, SysColor::InactiveBorder, SysColor::MenuText);

  BuildMenu();
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(Twips(Client.width), Twips(Client.height));
  Paint(client, SysColor::InactiveBorder, SysColor::MenuText);
  setCentralWidget(client);
  const BuiltControls controls = BuildControls(client, Controls);
  txtName_ = controls.Get<QLineEdit>("txtName");
  cmbDate_ = controls.Get<QComboBox>("cmbDate");
  cmbMonth_ = controls.Get<QComboBox>("cmbMonth");
  cmbYear_ = controls.Get<QComboBox>("cmbYear");
  txtPartnerName_ = controls.Get<QLineEdit>("txtPartnerName");
  cmbPartnerDate_ = controls.Get<QComboBox>("cmbPartnerDate");
  cmbPartnerMonth_ = controls.Get<QComboBox>("cmbPartnerMonth");
  cmbPartnerYear_ = controls.Get<QComboBox>("cmbPartnerYear");
  for (QLineEdit* name : {txtName_, txtPartnerName_}) {
    InstallNameKeyFilter(name, [name] {
      //: Shown when a name box is given anything but a letter, a blank, Enter or Backspace.
      Messages::Information(name->window(),
                            QCoreApplication::translate("NameKeyFilter", "Please Enter Only Alphabet"));
    });
    InstallNameMenu(name);
  }
  connect(controls.Get<QPushButton>("Command1"), &QPushButton::clicked, this, &FrmMain::RequestCompute);

  FillLists();
  SetKeyboardOrder(controls, {"txtName", "Command1", "cmbDate", "cmbMonth", "cmbYear", "cmbPartnerYear",
                              "cmbPartnerMonth", "cmbPartnerDate", "txtPartnerName"});
  // The layout is drawn for one size only.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  txtName_->setFocus();
}

void FrmMain::BuildMenu() {
  QMenuBar* bar = menuBar();
  auto named = [](QAction* action, const char* name) {
    action->setObjectName(QString::fromLatin1(name));
    return action;
  };

  QMenu* file = bar->addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  named(file->menuAction(), "mnuFile");
  connect(named(file->addAction(tr("Get My Egyptian Astrology Compatibility")), "mnuAstro"),
          &QAction::triggered, this, &FrmMain::RequestCompute);
  connect(named(file->addAction(tr("E&xit")), "mnuExit"), &QAction::triggered, this, &QWidget::close);

  QAction* about = AddSharedMenus(bar, {"mnuHelp1", "mnuHelp2", QT_TRANSLATE_NOOP("SharedMenus", "Check for Software &Update")});
  connect(about, &QAction::triggered, this, &FrmMain::aboutRequested);
}

void FrmMain::FillLists() {
  AddDays(cmbDate_);
  AddMonths(cmbMonth_);
  AddYears(cmbYear_);
  AddDays(cmbPartnerDate_);
  AddMonths(cmbPartnerMonth_);
  AddYears(cmbPartnerYear_);
  cmbMonth_->setCurrentIndex(0);
  cmbDate_->setCurrentIndex(0);
  cmbYear_->setCurrentIndex(SelectedYearPosition);
  cmbPartnerMonth_->setCurrentIndex(0);
  cmbPartnerDate_->setCurrentIndex(0);
  cmbPartnerYear_->setCurrentIndex(SelectedYearPosition);
}

namespace {
PersonInput Person(const QLineEdit* name, const QComboBox* day, const QComboBox* month, const QComboBox* year) {
  return {name->text(), day->currentIndex(), month->currentIndex(), day->currentText(), month->currentText(),
          year->currentText()};
}
}  // namespace

PersonInput FrmMain::UserInput() const { return Person(txtName_, cmbDate_, cmbMonth_, cmbYear_); }

PersonInput FrmMain::PartnerInput() const {
  return Person(txtPartnerName_, cmbPartnerDate_, cmbPartnerMonth_, cmbPartnerYear_);
}

void FrmMain::RequestCompute() { emit computeRequested(UserInput(), PartnerInput()); }

void FrmMain::FocusUserName() { txtName_->setFocus(); }
void FrmMain::FocusPartnerName() { txtPartnerName_->setFocus(); }

void FrmMain::Unloading() { emit unloading(); }
