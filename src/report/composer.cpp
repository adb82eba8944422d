#include "report/composer.h"

#include "report/displaytext.h"
#include "report/richtextview.h"

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

}  // namespace

void ComposeReport(RichTextView& view, const QString& titleHeading, const QString& signCaption,
                   const SignRecord& record) {
  view.SetEmphasis(true);
  view.SetColour(ReportStyle::Heading);
  view.InsertText(titleHeading);
  view.SetColour(ReportStyle::SignName);
  view.InsertText(signCaption + LineBreak + LineBreak);

  for (std::size_t i = 0; i < Entries.size(); ++i) {
    const Entry& entry = Entries[i];
    const bool last = i + 1 == Entries.size();
    view.SetEmphasis(true);
    view.SetColour(ReportStyle::Heading);
    view.InsertText(QString::fromLatin1(entry.heading));
    view.SetEmphasis(false);
    view.SetColour(ReportStyle::Value);
    view.InsertText(FromEngine(record.*entry.value) + (last ? LineBreak : LineBreak + LineBreak));
  }
}

void ComposeUserReport(RichTextView& view, const QString& signCaption, const SignRecord& record) {
  ComposeReport(view, UserTitleHeading, signCaption, record);
}

void ComposePartnerReport(RichTextView& view, const QString& signCaption, const SignRecord& record) {
  ComposeReport(view, PartnerTitleHeading, signCaption, record);
}
