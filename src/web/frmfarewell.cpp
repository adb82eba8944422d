#include "web/frmfarewell.h"

#include "ui/controls.h"
#include "ui/look.h"
#include "ui/messages.h"
#include "ui/pages.h"
#include "ui/translation.h"
#include "version.h"
#include "web/referral.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>

#include <array>
#include <string_view>

namespace {
using namespace std::string_view_literals;

constexpr std::array<std::string_view, FrmFarewell::PromotionCount> Promotions{
    QT_TRANSLATE_NOOP("FrmFarewell",
                      "Orlenda Softwares, such as this can be created and maintained only with your support. "
                      "Please support the Orlenda Discussion Board by visiting it regularly and taking part in its "
                      "discussions. Every visit keeps this program free."),
    QT_TRANSLATE_NOOP("FrmFarewell",
                      "Please visit the Orlenda Discussion Board regularly and take part in its discussions. "
                      "Programs like this one cannot be maintained without such visits, so every visit you make "
                      "keeps them alive and free of charge."),
    QT_TRANSLATE_NOOP("FrmFarewell",
                      "The Orlenda Discussion Board is a free online discussion forum. Please visit it regularly: "
                      "your visits help us to maintain this program and keep it free to all."),
    QT_TRANSLATE_NOOP("FrmFarewell",
                      "The Orlenda Discussion Board needs your help. Visiting it regularly and taking part in its "
                      "discussions helps us maintain it and develop more Orlenda Softwares for you and all who use "
                      "them. Thanks."),
};
static_assert(Promotions[0].size() == 227 && Promotions[1].size() == 211 && Promotions[2].size() == 160 &&
              Promotions[3].size() == 196);

// The other programs' advert: two paragraphs kept apart by a run of blanks,
// which pushes the second onto a line of its own.
constexpr std::string_view OtherProgramsFirst = QT_TRANSLATE_NOOP("FrmFarewell",
    "If you have enjoyed this software you will surely be interested in the other programs made by Orlenda "
    "Softwares. Astrology, numerology, love calculators, name meanings, greeting tools and many more utilities "
    "are waiting for you, all of them free to download and use at home or at work.");
constexpr std::string_view OtherProgramsSecond = QT_TRANSLATE_NOOP("FrmFarewell",
    "Every program is small, quick to install and easy to use. Visit our web site today, download the programs "
    "you like and share them with your friends and family. Come back often: new titles and updates are added "
    "to our web site every month, and each of them is free of charge.");
constexpr qsizetype OtherProgramsGap = 56;
static_assert(OtherProgramsFirst.size() + OtherProgramsGap + OtherProgramsSecond.size() == 615);

QString Translated(std::string_view text) { return FrmFarewell::tr(text.data()); }

QString OtherProgramsText() {
  // A translation's paragraphs have other lengths: no run of blanks can be
  // sure to break its line, so they are kept apart by a blank line instead.
  const QString gap = ProgramLanguage().isEmpty() ? QString(OtherProgramsGap, u' ') : QStringLiteral("\n\n");
  return Translated(OtherProgramsFirst) + gap + Translated(OtherProgramsSecond);
}

constexpr QColor DarkBlue{0, 0, 128};
constexpr QColor CheckBlue{0, 0, 192};
constexpr QColor Yellow{255, 255, 0};
constexpr QColor White{255, 255, 255};

// A message box that takes pasted and dropped text only up to its limit.
class MessageEdit : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;

 protected:
  void insertFromMimeData(const QMimeData* source) override {
    const qsizetype kept = document()->characterCount() - 1 - textCursor().selectedText().size();
    const qsizetype room = qMax<qsizetype>(0, FrmFarewell::MessageLengthLimit - kept);
    textCursor().insertText(source->text().left(room));
    ensureCursorVisible();
  }
};

QWidget* MakeMessageBox(const QString& /*caption*/, QWidget* parent) {
  auto* box = new MessageEdit(parent);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setTabChangesFocus(true);
  // Wrapping one pasted megabyte-long line takes minutes; unwrapped it is
  // laid out at once, and the box lies out of sight anyway.
  box->setLineWrapMode(QPlainTextEdit::NoWrap);
  box->setPlainText(InitialMessage);
  return box;
}

constexpr TwipsBox Client{0, 0, 11115, 4725};

constexpr TranslatableText Text(const char* source) { return {"FrmFarewell", source}; }

// A frame: white bold caption on dark blue.
constexpr ControlRow Frame(const char* name, TwipsBox box, TranslatableText caption) {
  return {.name = name,
          .kind = ControlKind::Group,
          .box = box,
          .caption = caption,
          .font = {9.75, true},
          .background = DarkBlue,
          .text = White};
}

// A text box of the refer-a-friend form, black on white (not the frame's blue).
constexpr ControlRow FormBox(const char* name, TwipsBox box, TranslatableText placeholder,
                             TranslatableText accessibleName) {
  return {.name = name,
          .kind = ControlKind::Box,
          .container = "Frame2",
          .box = box,
          .caption = placeholder,
          .font = {8.25},
          .background = White,
          .text = Colour::Black,
          .maxLength = FrmFarewell::BoxLengthLimit,
          .accessibleName = accessibleName};
}

// Text is the window's Verdana 8.25 pt where a row names no font. The boxes
// show their purpose only until the user types, so each keeps a name for
// screen readers.
constexpr std::array Controls{
    ControlRow{.name = "cmdClose",
               .kind = ControlKind::Button,
               .box = {6000, 2760, 1245, 375},
               .caption = Text(QT_TRANSLATE_NOOP("FrmFarewell", "E&xit"))},
    ControlRow{.name = "Check1",
               .kind = ControlKind::CheckBox,
               .box = {30, 2040, 7185, 555},
               .caption = Text(QT_TRANSLATE_NOOP(
                   "FrmFarewell", "Yes! Take me to the Orlenda Discussion Board now, I want to support it.")),
               .text = CheckBlue,
               .look = ControlLook::HandCursor},
    ControlRow{.name = "picFarewellIcon",
               .kind = ControlKind::Icon,
               .box = {360, 120, 540, 540},
               .background = SysColor::Window,
               .accessibleName = Verbatim(AppTitle)},
    ControlRow{.name = "lblFarewellCaption",
               .kind = ControlKind::Label,
               .box = {1080, 240},
               .caption = Verbatim(WindowTitle),
               .font = {.points = 18, .classic = true}},
    // The promotion, chosen at load.
    ControlRow{.name = "Label2",
               .kind = ControlKind::Label,
               .box = {120, 840, 6975, 1095},
               .font = {9.75, true},
               .background = White,
               .text = Colour::Black,
               .alignment = Qt::AlignLeft | Qt::AlignTop,
               .look = ControlLook::Wrap},
    Frame("Frame2", {120, 3240, 7065, 1455}, Text(QT_TRANSLATE_NOOP("FrmFarewell", "Refer A Friend"))),
    FormBox("txtName", {85, 360, 3375, 285}, Placeholder::Name,
            Text(QT_TRANSLATE_NOOP("FrmFarewell", "Your name"))),
    ControlRow{.name = "cmdSubmit",
               .kind = ControlKind::Button,
               .container = "Frame2",
               .box = {1920, 1080, 3375, 285},
               .caption = Text(QT_TRANSLATE_NOOP("FrmFarewell", "Refer A Friend &Now")),
               .font = {8.25, true},
               .background = SysColor::InactiveBorder,
               .text = Colour::Black,  // not the frame's blue
               .accessibleDescription =
                   Text(QT_TRANSLATE_NOOP("FrmFarewell", "Opens the refer-a-friend page with these details"))},
    FormBox("txtEmail", {3600, 360, 3375, 285}, Placeholder::Email,
            Text(QT_TRANSLATE_NOOP("FrmFarewell", "Your email address"))),
    FormBox("txtFriendEmail", {3600, 720, 3375, 285}, Placeholder::FriendEmail,
            Text(QT_TRANSLATE_NOOP("FrmFarewell", "Friend's email address"))),
    FormBox("txtFriendName", {85, 720, 3375, 285}, Placeholder::FriendName,
            Text(QT_TRANSLATE_NOOP("FrmFarewell", "Friend's name"))),
    // Lies below the frame's bottom edge, so it is never seen; it still takes
    // the focus by Tab and its first text is what the page receives.
    ControlRow{.name = "txtMessage",
               .kind = ControlKind::Custom,
               .container = "Frame2",
               .box = {4800, 3600, 1815, 495},
               .font = {8.25},
               .background = White,
               .text = Colour::Black,
               .look = ControlLook::Overhangs,
               .accessibleName = Text(QT_TRANSLATE_NOOP("FrmFarewell", "Your message")),
               .make = MakeMessageBox},
    Frame("Frame6", {7320, 120, 3735, 4575}, Text(QT_TRANSLATE_NOOP("FrmFarewell", "Download Orlenda Softwares"))),
    // The other programs' advert, in the language's paragraphs.
    ControlRow{.name = "Label3",
               .kind = ControlKind::Label,
               .container = "Frame6",
               .box = {120, 360, 3495, 3855},
               .font = {9},
               .text = White,
               .alignment = Qt::AlignLeft | Qt::AlignTop,
               .look = ControlLook::Wrap | ControlLook::PlainText},
    ControlRow{.name = "lblGoToHome",
               .kind = ControlKind::Link,
               .container = "Frame6",
               .box = {75, 4250, 3585, 210},
               .caption = Text(QT_TRANSLATE_NOOP("FrmFarewell", "Click Here To Visit Orlenda Softwares")),
               .font = {9, true, true},
               .text = Yellow,
               .page = &Page::OrlendaSoftwares},
};
static_assert(WellFormed(Controls, Client));
}  // namespace

QString FrmFarewell::PromotionText(int index) {
  return Translated(Promotions.at(static_cast<std::size_t>(index)));
}

int FrmFarewell::PromotionIndex(double r) {
  const int index = static_cast<int>(r * PromotionCount);
  return qBound(0, index, PromotionCount - 1);
}

FrmFarewell::FrmFarewell(QWidget* parent)
    : TopLevel(QStringLiteral("frmFarewell"), parent, Qt::Window | Qt::WindowStaysOnTopHint) {
  // Always on top, but never steals the focus from what the user is doing.
  setAttribute(Qt::WA_ShowWithoutActivating);

  setFont(VerdanaFont(WindowTextPoints));
  Paint(this, White, Colour::Black);
  setFixedSize(Twips(Client.width), Twips(Client.height));
  const BuiltControls controls = BuildControls(this, Controls);
  cmdClose_ = controls.Get<QPushButton>("cmdClose");
  Check1_ = controls.Get<QCheckBox>("Check1");
  txtName_ = controls.Get<QLineEdit>("txtName");
  txtEmail_ = controls.Get<QLineEdit>("txtEmail");
  txtFriendEmail_ = controls.Get<QLineEdit>("txtFriendEmail");
  txtFriendName_ = controls.Get<QLineEdit>("txtFriendName");
  txtMessage_ = controls.Get<QPlainTextEdit>("txtMessage");
  SetKeyboardOrder(controls, {"cmdClose", "Check1", "txtName", "cmdSubmit", "txtEmail", "txtFriendEmail",
                              "txtFriendName", "txtMessage"});

  connect(cmdClose_, &QPushButton::clicked, this, &FrmFarewell::endRequested);
  connect(Check1_, &QCheckBox::toggled, this, &FrmFarewell::Check1Toggled);
  connect(controls.Get<QPushButton>("cmdSubmit"), &QPushButton::clicked, this, &FrmFarewell::SubmitReferral);
  for (QWidget* box : {static_cast<QWidget*>(txtName_), static_cast<QWidget*>(txtEmail_),
                       static_cast<QWidget*>(txtFriendEmail_), static_cast<QWidget*>(txtFriendName_),
                       static_cast<QWidget*>(txtMessage_)})
    box->installEventFilter(this);

  controls.Get<QLabel>("Label3")->setText(OtherProgramsText());
  controls.Get<QLabel>("Label2")->setText(PromotionText(PromotionIndex(QRandomGenerator::global()->generateDouble())));
}

void FrmFarewell::Check1Toggled(bool ticked) {
  // Unticking raises this handler again, with ticked false: nothing then.
  if (!ticked) return;
  Check1_->setChecked(false);
  OpenWebPage(Page::Home);
}

QString FrmFarewell::MessageText() const {
  // The editor keeps line breaks as bare LF; the page has always had CR LF.
  QString text = txtMessage_->toPlainText();
  text.replace(u'\n', QStringLiteral("\r\n"));
  return text;
}

ReferralValues FrmFarewell::ReferralFromBoxes() const {
  return {TrimBlanks(txtName_->text()), TrimBlanks(txtEmail_->text()), TrimBlanks(MessageText()),
          TrimBlanks(txtFriendName_->text()), TrimBlanks(txtFriendEmail_->text())};
}

void FrmFarewell::SubmitReferral() {
  const ReferralValues values = ReferralFromBoxes();
  if (const auto problem = CheckReferral(values)) {
    Messages::Error(this, *problem);
    return;
  }
  OpenAddress(ReferralAddress(values));
}

QString FrmFarewell::PlaceholderOf(QObject* box) const {
  if (box == txtName_) return Placeholder::Name;
  if (box == txtEmail_) return Placeholder::Email;
  if (box == txtMessage_) return Placeholder::Message;
  if (box == txtFriendName_) return Placeholder::FriendName;
  return Placeholder::FriendEmail;
}

QString FrmFarewell::BoxText(QObject* box) const {
  if (box == txtMessage_) return MessageText();
  return static_cast<QLineEdit*>(box)->text();
}

void FrmFarewell::SetBoxText(QObject* box, const QString& text) {
  if (box == txtMessage_)
    txtMessage_->setPlainText(text);
  else
    static_cast<QLineEdit*>(box)->setText(text);
}

void FrmFarewell::showEvent(QShowEvent* event) {
  // Whenever it appears, Exit holds the focus, wherever it was left.
  cmdClose_->setFocus(Qt::OtherFocusReason);
  TopLevel::showEvent(event);
}

bool FrmFarewell::event(QEvent* event) {
  // Back shows this window and hides it again at once. A platform that
  // activates every window it shows (the offscreen one does) may make it
  // the active window after it is hidden, which would leave the visible
  // window without the keyboard; the activation goes on to that window.
  if (event->type() == QEvent::WindowActivate && !isVisible())
    QMetaObject::invokeMethod(this, &FrmFarewell::PassActivationOn, Qt::QueuedConnection);
  return QWidget::event(event);
}

void FrmFarewell::PassActivationOn() {
  if (isVisible() || !isActiveWindow()) return;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window != this && window->isVisible() && window->windowType() == Qt::Window) {
      window->activateWindow();
      return;
    }
  }
}

bool FrmFarewell::eventFilter(QObject* watched, QEvent* event) {
  // Focus moves inside a hidden window (an activation it was not meant to
  // have) are no one's typing: the boxes keep their text.
  if ((event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) && !isVisible())
    return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::FocusIn: {
      const QString text = BoxText(watched);
      const QString next = TextOnFocusIn(text, PlaceholderOf(watched));
      if (next != text) SetBoxText(watched, next);
      break;
    }
    case QEvent::FocusOut: {
      const QString text = BoxText(watched);
      const QString next = TextOnFocusOut(text, PlaceholderOf(watched));
      if (next != text) SetBoxText(watched, next);
      break;
    }
    case QEvent::KeyPress:
      if ((watched == txtEmail_ || watched == txtFriendEmail_) &&
          static_cast<QKeyEvent*>(event)->text() == QStringLiteral(" ")) {
        auto* box = static_cast<QLineEdit*>(watched);
        Messages::Error(this, tr("Email Address Cannot Contain Space"));
        box->setFocus(Qt::OtherFocusReason);
        return true;  // the blank never reaches the box
      }
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void FrmFarewell::Unloading() { emit endRequested(); }
