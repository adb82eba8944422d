#include "app/compute.h"

#include "app/frmmain.h"
#include "app/validation.h"
#include "app/windows.h"
#include "astro/calendar.h"
#include "astro/catalogue.h"
#include "astro/verdict.h"
#include "report/autosizelabel.h"
#include "report/composer.h"
#include "report/frmdisplay.h"
#include "report/reportview.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTabWidget>

namespace {

QString FromEngine(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// 7/January/1980: the entries' own display texts, joined without blanks.
QString DateLabel(const QComboBox* day, const QComboBox* month, const QComboBox* year) {
  return day->currentText() + QLatin1Char('/') + month->currentText() + QLatin1Char('/') + year->currentText();
}

// A name as its tab shows it: an ampersand is the character itself, not a
// shortcut marker, and a name wider than half the tab control is cut with an
// ellipsis, so a pasted page of text neither stalls nor floods the tab bar.
QString TabCaption(const QTabWidget* tabs, const QString& name) {
  const QFontMetrics metrics(tabs->font());
  QString caption = metrics.elidedText(CutForDisplay(name), Qt::ElideRight, tabs->width() / 2) +
                    QStringLiteral("'s Characteristics");
  return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

std::optional<SignMatch> SignOf(const QComboBox* month, const QComboBox* day) {
  return FindSign(static_cast<std::int16_t>(month->currentIndex()), static_cast<std::int16_t>(day->currentIndex()));
}

}  // namespace

void RunCompatibilityCommand() {
  if (!ValidateInput()) return;

  FrmMain* input = SharedWindow<FrmMain>::Get();
  const auto user = SignOf(input->cmbMonth(), input->cmbDate());
  const auto partner = SignOf(input->cmbPartnerMonth(), input->cmbPartnerDate());
  // The input check keeps every date without a calendar row away from here.
  if (!user || !partner) return;

  FrmDisplay* report = SharedWindow<FrmDisplay>::Get();

  // Caption and record must be in place before each composer runs, and the
  // user's report must be finished before the partner's record replaces it.
  report->SetGodPicture(PictureIndex(user->sign));
  report->lblGodName()->setText(FromEngine(user->caption));
  FillSignRecord(user->sign);
  ComposeUserReport();

  report->SetPartnerGodPicture(PictureIndex(partner->sign));
  report->lblPartnerGodName()->setText(FromEngine(partner->caption));
  FillSignRecord(partner->sign);
  ComposePartnerReport();

  report->lblCompatibility()->setText(FromEngine(DecideCompatibility(user->sign, partner->sign)));

  report->lblYourName()->setText(input->txtName()->text());
  report->lblYourDateOfBirth()->setText(DateLabel(input->cmbDate(), input->cmbMonth(), input->cmbYear()));
  report->lblYourEgyptianSign()->setText(report->lblGodName()->text());
  report->lblYourPartnerName()->setText(input->txtPartnerName()->text());
  report->lblYourPartnerDateOfBirth()->setText(
      DateLabel(input->cmbPartnerDate(), input->cmbPartnerMonth(), input->cmbPartnerYear()));
  report->lblYourPartnerEgyptianSign()->setText(report->lblPartnerGodName()->text());

  QTabWidget* tabs = report->tabSelect();
  tabs->setTabText(0, TabCaption(tabs, input->txtName()->text()));
  tabs->setTabText(1, TabCaption(tabs, input->txtPartnerName()->text()));
  tabs->setTabText(2, QStringLiteral("Compatibility With Your Partner"));

  report->RTB()->SetSelectionStart(0);
  report->PartnerRTB()->SetSelectionStart(0);

  report->show();
  input->hide();
}
