#include "web/frmfarewell.h"

#include "ui/linklabel.h"
#include "ui/look.h"
#include "ui/messages.h"
#include "ui/pages.h"
#include "ui/translation.h"
#include "ui/window.h"
#include "version.h"
#include "web/referral.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
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

const QColor DarkBlue{0, 0, 128};
const QColor CheckBlue{0, 0, 192};
const QColor Yellow{255, 255, 0};
const QColor White{255, 255, 255};

QGroupBox* MakeFrame(const QString& caption, QWidget* parent) {
  auto* frame = new QGroupBox(caption, parent);
  Paint(frame, DarkBlue, White);
  frame->setFont(VerdanaFont(9.75, true));
  return frame;
}

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

QLineEdit* MakeBox(const QString& text, QWidget* parent) {
  auto* box = new QLineEdit(text, parent);
  box->setMaxLength(FrmFarewell::BoxLengthLimit);
  Paint(box, White, Colour::Black);  // not the frame's blue
  box->setFont(VerdanaFont(8.25));
  return box;
}
}  // namespace

QString FrmFarewell::PromotionText(int index) {
  return Translated(Promotions.at(static_cast<std::size_t>(index)));
}

int FrmFarewell::PromotionIndex(double r) {
  const int index = static_cast<int>(r * PromotionCount);
  return qBound(0, index, PromotionCount - 1);
}

FrmFarewell::FrmFarewell(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
  SetUpTopLevel(this, QStringLiteral("frmFarewell"));
  // Always on top, but never steals the focus from what the user is doing.
  setAttribute(Qt::WA_ShowWithoutActivating);

  setFont(VerdanaFont(8.25));
  Paint(this, White, Colour::Black);
  setFixedSize(Twips(11115), Twips(4725));
  BuildControls();

  Label2->setText(PromotionText(PromotionIndex(QRandomGenerator::global()->generateDouble())));

  PlaceOnScreen(this);
}

void FrmFarewell::BuildControls() {
  cmdClose = new QPushButton(tr("E&xit"), this);
  cmdClose->setObjectName(QStringLiteral("cmdClose"));
  cmdClose->setGeometry(TwipsRect(6000, 2760, 1245, 375));
  connect(cmdClose, &QPushButton::clicked, this, &FrmFarewell::endRequested);

  Check1 = new QCheckBox(tr("Yes! Take me to the Orlenda Discussion Board now, I want to support it."),
                         this);
  Check1->setObjectName(QStringLiteral("Check1"));
  Check1->setGeometry(TwipsRect(30, 2040, 7185, 555));
  Paint(Check1, QColor(), CheckBlue);
  Check1->setCursor(Qt::PointingHandCursor);
  connect(Check1, &QCheckBox::toggled, this, &FrmFarewell::Check1Toggled);

  picFarewellIcon = new QLabel(this);
  picFarewellIcon->setObjectName(QStringLiteral("picFarewellIcon"));
  picFarewellIcon->setGeometry(TwipsRect(360, 120, 540, 540));
  Paint(picFarewellIcon, SysColor::Window);
  picFarewellIcon->setAlignment(Qt::AlignCenter);
  picFarewellIcon->setPixmap(ProgramIconPixmap(picFarewellIcon->size(), devicePixelRatioF()));

  lblFarewellCaption = new QLabel(QString::fromLatin1(WindowTitle), this);
  lblFarewellCaption->setObjectName(QStringLiteral("lblFarewellCaption"));
  lblFarewellCaption->setFont(SansSerifFont(18));
  lblFarewellCaption->move(Twips(1080), Twips(240));
  lblFarewellCaption->adjustSize();

  Label2 = new QLabel(this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setGeometry(TwipsRect(120, 840, 6975, 1095));
  Label2->setFont(VerdanaFont(9.75, true));
  Label2->setWordWrap(true);
  Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Paint(Label2, White, Colour::Black);

  Frame2 = MakeFrame(tr("Refer A Friend"), this);
  Frame2->setObjectName(QStringLiteral("Frame2"));
  Frame2->setGeometry(TwipsRect(120, 3240, 7065, 1455));

  txtName = MakeBox(Placeholder::Name, Frame2);
  txtName->setObjectName(QStringLiteral("txtName"));
  txtName->setGeometry(TwipsRect(85, 360, 3375, 285));

  cmdSubmit = new QPushButton(tr("Refer A Friend &Now"), Frame2);
  cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
  cmdSubmit->setGeometry(TwipsRect(1920, 1080, 3375, 285));
  cmdSubmit->setFont(VerdanaFont(8.25, true));
  Paint(cmdSubmit, SysColor::InactiveBorder, Colour::Black);  // not the frame's blue
  connect(cmdSubmit, &QPushButton::clicked, this, &FrmFarewell::SubmitReferral);

  txtEmail = MakeBox(Placeholder::Email, Frame2);
  txtEmail->setObjectName(QStringLiteral("txtEmail"));
  txtEmail->setGeometry(TwipsRect(3600, 360, 3375, 285));

  txtFriendEmail = MakeBox(Placeholder::FriendEmail, Frame2);
  txtFriendEmail->setObjectName(QStringLiteral("txtFriendEmail"));
  txtFriendEmail->setGeometry(TwipsRect(3600, 720, 3375, 285));

  txtFriendName = MakeBox(Placeholder::FriendName, Frame2);
  txtFriendName->setObjectName(QStringLiteral("txtFriendName"));
  txtFriendName->setGeometry(TwipsRect(85, 720, 3375, 285));

  // Lies below the frame's bottom edge, so it is never seen; it still takes
  // the focus by Tab and its first text is what the page receives.
  txtMessage = new MessageEdit(Frame2);
  txtMessage->setObjectName(QStringLiteral("txtMessage"));
  txtMessage->setGeometry(TwipsRect(4800, 3600, 1815, 495));
  txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtMessage->setTabChangesFocus(true);
  // Wrapping one pasted megabyte-long line takes minutes; unwrapped it is
  // laid out at once, and the box lies out of sight anyway.
  txtMessage->setLineWrapMode(QPlainTextEdit::NoWrap);
  Paint(txtMessage, White, Colour::Black);
  txtMessage->setFont(VerdanaFont(8.25));
  txtMessage->setPlainText(InitialMessage);

  Frame6 = MakeFrame(tr("Download Orlenda Softwares"), this);
  Frame6->setObjectName(QStringLiteral("Frame6"));
  Frame6->setGeometry(TwipsRect(7320, 120, 3735, 4575));

  Label3 = new QLabel(OtherProgramsText(), Frame6);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setGeometry(TwipsRect(120, 360, 3495, 3855));
  Label3->setFont(VerdanaFont(9));
  Label3->setWordWrap(true);
  Label3->setTextFormat(Qt::PlainText);
  Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Paint(Label3, QColor(), White);

  lblGoToHome = new LinkLabel(tr("Click Here To Visit Orlenda Softwares"), Frame6);
  lblGoToHome->setObjectName(QStringLiteral("lblGoToHome"));
  lblGoToHome->setGeometry(TwipsRect(75, 4250, 3585, 210));
  lblGoToHome->setFont(VerdanaFont(9, true, true));
  Paint(lblGoToHome, QColor(), Yellow);
  connect(lblGoToHome, &LinkLabel::clicked, this, [] { OpenWebPage(Page::OrlendaSoftwares); });

  QWidget::setTabOrder(cmdClose, Check1);
  QWidget::setTabOrder(Check1, txtName);
  QWidget::setTabOrder(txtName, cmdSubmit);
  QWidget::setTabOrder(cmdSubmit, txtEmail);
  QWidget::setTabOrder(txtEmail, txtFriendEmail);
  QWidget::setTabOrder(txtFriendEmail, txtFriendName);
  QWidget::setTabOrder(txtFriendName, txtMessage);

  // The boxes show their purpose only until the user types, so each keeps a
  // name for screen readers.
  txtName->setAccessibleName(tr("Your name"));
  txtEmail->setAccessibleName(tr("Your email address"));
  txtFriendEmail->setAccessibleName(tr("Friend's email address"));
  txtFriendName->setAccessibleName(tr("Friend's name"));
  txtMessage->setAccessibleName(tr("Your message"));
  cmdSubmit->setAccessibleDescription(tr("Opens the refer-a-friend page with these details"));
  picFarewellIcon->setAccessibleName(QString::fromLatin1(AppTitle));

  for (QWidget* box : {static_cast<QWidget*>(txtName), static_cast<QWidget*>(txtEmail),
                       static_cast<QWidget*>(txtFriendEmail), static_cast<QWidget*>(txtFriendName),
                       static_cast<QWidget*>(txtMessage)})
    box->installEventFilter(this);
}

void FrmFarewell::Check1Toggled(bool ticked) {
  // Unticking raises this handler again, with ticked false: nothing then.
  if (!ticked) return;
  Check1->setChecked(false);
  OpenWebPage(Page::Home);
}

QString FrmFarewell::MessageText() const {
  // The editor keeps line breaks as bare LF; the page has always had CR LF.
  QString text = txtMessage->toPlainText();
  text.replace(u'\n', QStringLiteral("\r\n"));
  return text;
}

ReferralValues FrmFarewell::ReferralFromBoxes() const {
  return {TrimBlanks(txtName->text()), TrimBlanks(txtEmail->text()), TrimBlanks(MessageText()),
          TrimBlanks(txtFriendName->text()), TrimBlanks(txtFriendEmail->text())};
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
  if (box == txtName) return Placeholder::Name;
  if (box == txtEmail) return Placeholder::Email;
  if (box == txtMessage) return Placeholder::Message;
  if (box == txtFriendName) return Placeholder::FriendName;
  return Placeholder::FriendEmail;
}

QString FrmFarewell::BoxText(QObject* box) const {
  if (box == txtMessage) return MessageText();
  return static_cast<QLineEdit*>(box)->text();
}

void FrmFarewell::SetBoxText(QObject* box, const QString& text) {
  if (box == txtMessage)
    txtMessage->setPlainText(text);
  else
    static_cast<QLineEdit*>(box)->setText(text);
}

void FrmFarewell::showEvent(QShowEvent* event) {
  // Whenever it appears, Exit holds the focus, wherever it was left.
  cmdClose->setFocus(Qt::OtherFocusReason);
  QWidget::showEvent(event);
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
      if ((watched == txtEmail || watched == txtFriendEmail) &&
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

void FrmFarewell::closeEvent(QCloseEvent* event) {
  event->accept();
  emit endRequested();
}
