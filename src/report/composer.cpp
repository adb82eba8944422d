#include "report/composer.h"

#include "app/windows.h"
#include "report/autosizelabel.h"
#include "report/besteffort.h"
#include "report/frmdisplay.h"
#include "report/reportview.h"
#include "report/richtextview.h"

#include <QLabel>

#include <array>

namespace {

const QString LineBreak = QStringLiteral("\r\n");

struct Entry {
  const char* heading;
  std::string SignRecord::*value;
};

// Blocks 2 to 13 of a report, in the order they are written.
constexpr std::array<Entry, 12> Entries{{
  {"Ruling Deity :-", &SignRecord::RulingDeity},
  {"Appearance :-", &SignRecord::Appearance},
  {"Sacred Animal :-", &SignRecord::SacredAnimal},
  {"Keywords :-", &SignRecord::Keywords},
  {"Compatible Signs :-", &SignRecord::CompatibleSigns},
  {"Lucky Color for Male :-", &SignRecord::LuckyColorMale},
  {"Lucky Color for Female :-", &SignRecord::LuckyColorFemale},
  {"Polarity :-", &SignRecord::Polarity},
  {"Role :-", &SignRecord::Role},
  {"Corresponding Zodiac Sign :-", &SignRecord::ZodiacSign},
  {"Description of God/ Goddess :-", &SignRecord::DeityDescription},
  {"Characteristics of people under this Sign :-", &SignRecord::PeopleCharacteristics},
}};

QString FromEngine(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

FrmDisplay* ReportWindow() {
  FrmDisplay* window = nullptr;
  BestEffort([&] { window = SharedWindow<FrmDisplay>::Get(); });
  return window;
}

void ComposeInto(ReportView* view, const QLabel* signLabel, const QString& titleHeading) {
  if (view == nullptr) return;
  const QString caption = signLabel != nullptr ? signLabel->text() : QString();
  ComposeReport(*view, titleHeading, caption, CurrentSignRecord());
}

}  // namespace

void ComposeReport(RichTextView& view, const QString& titleHeading, const QString& signCaption,
                   const SignRecord& record) {
  BestEffort([&] { view.SetEmphasis(true); });
  BestEffort([&] { view.SetColour(ReportStyle::Heading); });
  BestEffort([&] { view.InsertText(titleHeading); });
  BestEffort([&] { view.SetColour(ReportStyle::SignName); });
  BestEffort([&] { view.InsertText(signCaption + LineBreak + LineBreak); });

  for (std::size_t i = 0; i < Entries.size(); ++i) {
    const Entry& entry = Entries[i];
    const bool last = i + 1 == Entries.size();
    BestEffort([&] { view.SetEmphasis(true); });
    BestEffort([&] { view.SetColour(ReportStyle::Heading); });
    BestEffort([&] { view.InsertText(QString::fromLatin1(entry.heading)); });
    BestEffort([&] { view.SetEmphasis(false); });
    BestEffort([&] { view.SetColour(ReportStyle::Value); });
    BestEffort([&] { view.InsertText(FromEngine(record.*entry.value) + (last ? LineBreak : LineBreak + LineBreak)); });
  }
}

void ComposeUserReport() {
  if (FrmDisplay* window = ReportWindow()) ComposeInto(window->RTB(), window->lblGodName(), UserTitleHeading);
}

void ComposePartnerReport() {
  if (FrmDisplay* window = ReportWindow())
    ComposeInto(window->PartnerRTB(), window->lblPartnerGodName(), PartnerTitleHeading);
}
