#include "app/frmmain.h"

#include "app/keyfilter.h"
#include "app/namemenu.h"
#include "ui/linklabel.h"
#include "ui/look.h"
#include "ui/messages.h"
#include "ui/pages.h"
#include "ui/promotion.h"
#include "ui/wheelguard.h"
#include "ui/window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <array>

namespace {
constexpr int ClientWidth = 6990;
constexpr int ClientHeight = 5790;
constexpr double TextPoints = WindowTextPoints;

const QColor Blue{0, 0, 255};
const QColor FieldGrey{64, 64, 64};

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

template <class W>
W* Place(W* widget, const char* name, QWidget* parent, const QRect& rect) {
  widget->setParent(parent);
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(rect);
  return widget;
}

QLabel* MakeLabel(const char* name, const QString& text, QWidget* parent, const QRect& rect,
                  const QFont& font = VerdanaFont(TextPoints)) {
  auto* label = Place(new QLabel(text, parent), name, parent, rect);
  label->setFont(font);
  return label;
}

QGroupBox* MakeGroup(const char* name, const QString& title, QWidget* parent, const QRect& rect) {
  auto* group = Place(new QGroupBox(parent), name, parent, rect);
  // The bold font is for the caption only; every child sets its own font.
  // It comes before the caption, which is measured as soon as it is set.
  group->setFont(VerdanaFont(TextPoints, true));
  group->setTitle(title);
  // Unnamed, a group inside a group takes the outer caption on the
  // accessibility bus. Each person's group must be its own: it labels that
  // person's lists, which Linux screen readers otherwise name by their value.
  group->setAccessibleName(title);
  Paint(group, SysColor::InactiveBorder, SysColor::MenuText);
  return group;
}

QFrame* MakeStrip(const char* name, QWidget* parent, const QRect& rect) {
  auto* strip = Place(new QFrame(parent), name, parent, rect);
  strip->setFrameShape(QFrame::NoFrame);
  Paint(strip, Colour::Black);
  return strip;
}

LinkLabel* MakeLink(const char* name, const QString& text, QWidget* parent, const QRect& rect, double points) {
  auto* link = Place(new LinkLabel(text, parent), name, parent, rect);
  link->setFont(VerdanaFont(points, true, true));
  link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  link->setWordWrap(true);
  Paint(link, QColor(), SysColor::InactiveBorder);
  return link;
}

template <class Field>
Field* MakeField(Field* field, const char* name, QWidget* parent, const QRect& rect) {
  Place(field, name, parent, rect);
  field->setFont(VerdanaFont(TextPoints));
  Paint(field, FieldGrey, SysColor::InactiveBorder);
  return field;
}

// A combo box builds its drop-down list (a popup window with a list view) as
// soon as its font changes. Held back while the box is set up, the list is
// built when first opened, with the same font and colours, rather than six
// times over before the main window's first paint. (Qt 6.8 and later build
// it whenever the current entry changes, so there the load's selections
// build it once, after the font is set; its window still waits.)
class DeferDropDown : public QObject {
 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override { return event->type() == QEvent::FontChange; }
};

QComboBox* MakeList(const char* name, QWidget* parent, const QRect& rect) {
  auto* list = new QComboBox(parent);
  DeferDropDown deferral;
  list->installEventFilter(&deferral);
  MakeField(list, name, parent, rect);
  list->removeEventFilter(&deferral);
  TurnOnlyWhenFocused(list);
  return list;
}

struct PersonNames {
  const char* nameLabel;
  const char* nameBox;
  const char* dateHeading;
  const char* monthHeading;
  const char* yearHeading;
  const char* birthLabel;
  const char* dateList;
  const char* monthList;
  const char* yearList;
};

struct PersonFields {
  QLineEdit* name;
  QComboBox* date;
  QComboBox* month;
  QComboBox* year;
};

// Both person groups share one inner layout.
PersonFields BuildPerson(QGroupBox* group, const PersonNames& n) {
  QLabel* nameLabel = MakeLabel(n.nameLabel, FrmMain::tr("Name :-"), group, TwipsRect(480, 360, 705, 195));
  auto* name = MakeField(new QLineEdit(group), n.nameBox, group, TwipsRect(1920, 360, 3375, 285));
  name->setMaxLength(FrmMain::NameLengthLimit);
  const QFont heading = VerdanaFont(TextPoints, false, true);
  QLabel* dateHeading =
      MakeLabel(n.dateHeading, FrmMain::tr("Date"), group, TwipsRect(2160, 720, 405, 195), heading);
  QLabel* monthHeading =
      MakeLabel(n.monthHeading, FrmMain::tr("Month"), group, TwipsRect(3240, 720, 510, 195), heading);
  QLabel* yearHeading =
      MakeLabel(n.yearHeading, FrmMain::tr("Year"), group, TwipsRect(4560, 720, 390, 195), heading);
  //: "Date of birth", in the window's old-fashioned spelling.
  MakeLabel(n.birthLabel, FrmMain::tr("Date O Birth :-"), group, TwipsRect(480, 960, 1275, 195));
  auto* date = MakeList(n.dateList, group, TwipsRect(1920, 960, 855, 315));
  auto* month = MakeList(n.monthList, group, TwipsRect(2880, 960, 1335, 315));
  auto* year = MakeList(n.yearList, group, TwipsRect(4320, 960, 975, 315));
  // Screen readers on Linux name a field by the caption whose buddy it is.
  nameLabel->setBuddy(name);
  dateHeading->setBuddy(date);
  monthHeading->setBuddy(month);
  yearHeading->setBuddy(year);
  InstallNameKeyFilter(name, [name] {
    //: Shown when a name box is given anything but a letter, a blank, Enter or Backspace.
    Messages::Information(name->window(),
                          QCoreApplication::translate("NameKeyFilter", "Please Enter Only Alphabet"));
  });
  InstallNameMenu(name);
  return {name, date, month, year};
}

// The captions beside the fields ("Name :-") are the same in both groups, so
// each field carries a name of its own for screen readers.
struct FieldNames {
  QString name;
  QString day;
  QString month;
  QString year;
};
void NameFields(const PersonFields& fields, const FieldNames& names) {
  fields.name->setAccessibleName(names.name);
  fields.name->setAccessibleDescription(FrmMain::tr("Letters and blanks only; letters appear in capitals"));
  fields.date->setAccessibleName(names.day);
  fields.month->setAccessibleName(names.month);
  fields.year->setAccessibleName(names.year);
}

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

FrmMain::FrmMain(QWidget* parent) : QMainWindow(parent) {
  SetUpTopLevel(this, QStringLiteral("frmMain"));
  Paint(this, SysColor::InactiveBorder, SysColor::MenuText);

  BuildMenu();
  BuildControls();
  FillLists();
  SetTabOrder();
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

void FrmMain::BuildControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(Twips(ClientWidth), Twips(ClientHeight));
  Paint(client, SysColor::InactiveBorder, SysColor::MenuText);
  setCentralWidget(client);

  QFrame* frame2 = MakeStrip("Frame2", client, TwipsRect(0, 0, 6975, 615));
  LinkLabel* label61 = MakeLink("Label61",
                                DiscussionBoardText,
                                frame2, TwipsRect(360, 120, 6480, 585), 9);
  connect(label61, &LinkLabel::clicked, this, [] { OpenWebPage(Page::Home); });

  QGroupBox* frame1 = MakeGroup("Frame1", tr("Please Fill in Your Personal Details"), client,
                                TwipsRect(0, 600, 6975, 4335));
  QLabel* label12 = MakeLabel("Label12",
                              tr("Know your Egyptian Astrology Sign. Get your compatibility with your "
                                 "partner on the basis of Egyptian Astrology! Just enter your birth "
                                 "details and you are all set to go!"),
                              frame1, TwipsRect(120, 240, 6735, 615), VerdanaFont(TextPoints, true));
  label12->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label12->setWordWrap(true);
  Paint(label12, QColor(), Blue);

  QGroupBox* frame4 = MakeGroup("Frame4", tr("Your Details"), frame1, TwipsRect(480, 960, 5895, 1455));
  const PersonFields user = BuildPerson(
      frame4, {"Label2", "txtName", "Label4", "Label5", "Label6", "Label1", "cmbDate", "cmbMonth", "cmbYear"});
  QGroupBox* frame3 =
      MakeGroup("Frame3", tr("Your Partner's Details"), frame1, TwipsRect(480, 2520, 5895, 1335));
  const PersonFields partner = BuildPerson(frame3, {"Label11", "txtPartnerName", "Label10", "Label9", "Label8",
                                                    "Label3", "cmbPartnerDate", "cmbPartnerMonth", "cmbPartnerYear"});
  NameFields(user, {tr("Your name"), tr("Your birth day"), tr("Your birth month"), tr("Your birth year")});
  NameFields(partner, {tr("Your partner's name"), tr("Your partner's birth day"), tr("Your partner's birth month"),
                       tr("Your partner's birth year")});
  txtName_ = user.name;
  cmbDate_ = user.date;
  cmbMonth_ = user.month;
  cmbYear_ = user.year;
  txtPartnerName_ = partner.name;
  cmbPartnerDate_ = partner.date;
  cmbPartnerMonth_ = partner.month;
  cmbPartnerYear_ = partner.year;

  auto* command1 = Place(new QPushButton(tr("Get My &Egyptian Astrology Compatibility"), frame1),
                         "Command1", frame1, TwipsRect(480, 3885, 5895, 375));
  command1->setFont(VerdanaFont(TextPoints, true));
  Paint(command1, Colour::ButtonFace, SysColor::MenuText);
  command1->setAutoFillBackground(false);
  command1->setAccessibleDescription(tr("Shows both signs and your compatibility in the report window"));
  connect(command1, &QPushButton::clicked, this, &FrmMain::RequestCompute);
  command1_ = command1;

  QFrame* frame5 = MakeStrip("Frame5", client, TwipsRect(0, 4920, 6975, 855));
  LinkLabel* label7 = MakeLink("Label7",
                               HomeBusinessText, frame5, TwipsRect(240, 165, 6495, 615), TextPoints);
  connect(label7, &LinkLabel::clicked, this, [] { OpenWebPage(Page::FullyBranded); });
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

void FrmMain::SetTabOrder() {
  const std::array<QWidget*, 9> order{txtName_,        command1_,        cmbDate_,       cmbMonth_,     cmbYear_,
                                      cmbPartnerYear_, cmbPartnerMonth_, cmbPartnerDate_, txtPartnerName_};
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void FrmMain::showEvent(QShowEvent* event) {
  if (!placed_) {
    placed_ = true;
    PlaceOnScreen(this);
  }
  QMainWindow::showEvent(event);
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

void FrmMain::closeEvent(QCloseEvent* event) {
  emit unloading();
  event->accept();
}
