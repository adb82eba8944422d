#include "app/frmabout.h"

#include "ui/linklabel.h"
#include "ui/look.h"
#include "ui/pages.h"
#include "ui/window.h"
#include "version.h"

#include <QLabel>
#include <QPushButton>

namespace {
const QColor DarkRed{64, 0, 0};

// A wrapping label keeps its width; it grows downwards only if the
// substitute font needs more lines than the design allowed.
void FitHeight(QLabel* label) {
  label->resize(label->width(), qMax(label->height(), label->heightForWidth(label->width())));
}
}  // namespace

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent) {
  SetUpTopLevel(this, QStringLiteral("frmAbout"));
  setModal(true);

  setFont(VerdanaFont(8.25));
  Paint(this, SysColor::InactiveBorder, Colour::Black);
  setFixedSize(Twips(6030), Twips(4080));

  picIcon = new QLabel(this);
  picIcon->setObjectName(QStringLiteral("picIcon"));
  picIcon->setGeometry(TwipsRect(150, 120, 480, 480));
  Paint(picIcon, SysColor::Window);
  picIcon->setAlignment(Qt::AlignCenter);
  picIcon->setPixmap(ProgramIconPixmap(picIcon->size(), devicePixelRatioF()));
  picIcon->setAccessibleName(QString::fromLatin1(AppTitle));

  Label2 = new QLabel(QString::fromLatin1(WindowTitle), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setFont(VerdanaFont(9.75, true));
  Label2->move(Twips(840), Twips(240));
  Label2->adjustSize();

  Label1 = new QLabel(tr("Scarabine is a freeware that finds your compatibility with your partner on the "
                         "basis of Egyptian astrology. Egyptian zodiac is based on the Gods / Goddesses "
                         "of Egypt who are looked upto with great reverence. All rights to this software "
                         "belong to Orlenda Softwares."),
                      this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(TwipsRect(120, 840, 5865, 975));
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  FitHeight(Label1);

  lblHomePage = new LinkLabel(tr("Click here to visit www.orlenda.com"), this);
  lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
  lblHomePage->setFont(VerdanaFont(8.25, true, true));
  Paint(lblHomePage, QColor(), DarkRed);
  lblHomePage->move(Twips(1320), Twips(2040));
  lblHomePage->adjustSize();
  connect(lblHomePage, &LinkLabel::clicked, this, [] { OpenWebPage(Page::Home); });

  Label3 = new QLabel(tr("Home Business Opportunity. Start your own Internet business and make money "
                         "online. Get this software fully branded for your website."),
                      this);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setFont(VerdanaFont(8.25, true));
  // Drawn a pixel wider than the box: kept inside it.
  Label3->setGeometry(TwipsRect(120, 2520, 5925, 555).intersected(rect()));
  Label3->setWordWrap(true);
  Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  FitHeight(Label3);

  lblCobrand = new LinkLabel(tr("Click here for more details."), this);
  lblCobrand->setObjectName(QStringLiteral("lblCobrand"));
  lblCobrand->setFont(VerdanaFont(8.25, true, true));
  Paint(lblCobrand, QColor(), DarkRed);
  lblCobrand->move(Twips(3300), Twips(3120));
  lblCobrand->adjustSize();
  connect(lblCobrand, &LinkLabel::clicked, this, [] { OpenWebPage(Page::FullyBranded); });

  Line2 = new QWidget(this);
  Line2->setObjectName(QStringLiteral("Line2"));
  Line2->setGeometry(Twips(-60), Twips(3600), Twips(6150), 1);
  Paint(Line2, Colour::Black);

  cmdOK = new QPushButton(tr("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setGeometry(TwipsRect(4650, 3680, 1260, 345));
  cmdOK->setFont(VerdanaFont(8.25, true));
  Paint(cmdOK, Colour::ButtonFace, Colour::Black);
  // Default (Enter) and, through the dialog's Escape handling, cancel too.
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  cmdOK->setFocus();
}

void FrmAbout::showEvent(QShowEvent* event) {
  PlaceOnScreen(this);
  QDialog::showEvent(event);
  cmdOK->setFocus();
}
