#include "app/frmabout.h"

#include "ui/controls.h"
#include "ui/look.h"
#include "ui/pages.h"
#include "version.h"

#include <QPushButton>

#include <array>

namespace {
constexpr TwipsBox Client{0, 0, 6030, 4080};
constexpr QColor DarkRed{64, 0, 0};

constexpr TranslatableText Text(const char* source) { return {"FrmAbout", source}; }

// Text is the window's Verdana 8.25 pt where a row names no font.
constexpr std::array Controls{
    ControlRow{.name = "picIcon",
               .kind = ControlKind::Icon,
               .box = {150, 120, 480, 480},
               .background = SysColor::Window,
               .accessibleName = Verbatim(AppTitle)},
    ControlRow{.name = "Label2",
               .kind = ControlKind::Label,
               .box = {840, 240},
               .caption = Verbatim(WindowTitle),
               .font = {9.75, true}},
    ControlRow{.name = "Label1",
               .kind = ControlKind::Label,
               .box = {120, 840, 5865, 975},
               .caption = Text(QT_TRANSLATE_NOOP(
                   "FrmAbout",
                   "Scarabine is a freeware that finds your compatibility with your partner on the basis of Egyptian "
                   "astrology. Egyptian zodiac is based on the Gods / Goddesses of Egypt who are looked upto with "
                   "great reverence. All rights to this software belong to Orlenda Softwares.")),
               .alignment = Qt::AlignLeft | Qt::AlignTop,
               .look = ControlLook::Wrap | ControlLook::GrowDown},
    ControlRow{.name = "lblHomePage",
               .kind = ControlKind::Link,
               .box = {1320, 2040},
               .caption = Text(QT_TRANSLATE_NOOP("FrmAbout", "Click here to visit www.orlenda.com")),
               .font = {8.25, true, true},
               .text = DarkRed,
               .page = &Page::Home},
    // Drawn a pixel wider than the window: kept inside it.
    ControlRow{.name = "Label3",
               .kind = ControlKind::Label,
               .box = {120, 2520, 5925, 555},
               .caption = Text(QT_TRANSLATE_NOOP("FrmAbout",
                                                 "Home Business Opportunity. Start your own Internet business and "
                                                 "make money online. Get this software fully branded for your "
                                                 "website.")),
               .font = {8.25, true},
               .alignment = Qt::AlignLeft | Qt::AlignTop,
               .look = ControlLook::Wrap | ControlLook::GrowDown | ControlLook::KeptInside},
    ControlRow{.name = "lblCobrand",
               .kind = ControlKind::Link,
               .box = {3300, 3120},
               .caption = Text(QT_TRANSLATE_NOOP("FrmAbout", "Click here for more details.")),
               .font = {8.25, true, true},
               .text = DarkRed,
               .page = &Page::FullyBranded},
    // From edge to edge, one pixel high.
    ControlRow{.name = "Line2",
               .kind = ControlKind::Rule,
               .box = {-60, 3600, 6150, 15},
               .background = Colour::Black,
               .look = ControlLook::Overhangs},
    ControlRow{.name = "cmdOK",
               .kind = ControlKind::Button,
               .box = {4650, 3680, 1260, 345},
               .caption = Text(QT_TRANSLATE_NOOP("FrmAbout", "OK")),
               .font = {8.25, true},
               .background = Colour::ButtonFace,
               .text = Colour::Black,
               // Enter and, through the dialog's Escape handling, cancel too.
               .look = ControlLook::DefaultButton},
};
static_assert(WellFormed(Controls, Client));
}  // namespace

FrmAbout::FrmAbout(QWidget* parent) : TopLevel(QStringLiteral("frmAbout"), parent) {
  setModal(true);
  setFont(VerdanaFont(WindowTextPoints));
  Paint(this, SysColor::InactiveBorder, Colour::Black);
  setFixedSize(Twips(Client.width), Twips(Client.height));

  const BuiltControls controls = BuildControls(this, Controls);
  cmdOK_ = controls.Get<QPushButton>("cmdOK");
  connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
  cmdOK_->setFocus();
}

void FrmAbout::showEvent(QShowEvent* event) {
  TopLevel::showEvent(event);
  cmdOK_->setFocus();
}
