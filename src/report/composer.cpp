#include "report/composer.h"

#include "report/displaytext.h"
#include "report/richtextview.h"

#include <QCoreApplication>

#include <array>

namespace {

const QString LineBreak = QStringLiteral("\r\n");

struct Entry {
  const char* heading;
  std::string SignRecord::*value;
};

// Blocks 2 to 13 of a report, in the order they are written.
// Each heading ends in " :-", the report's way of introducing a value.
constexpr std::array<Entry, 12> Entries{{
  {QT_TRANSLATE_NOOP("Composer", "Ruling Deity :-"), &SignRecord::RulingDeity},
  {QT_TRANSLATE_NOOP("Composer", "Appearance :-"), &SignRecord::Appearance},
  {QT_TRANSLATE_NOOP("Composer", "Sacred Animal :-"), &SignRecord::SacredAnimal},
  {QT_TRANSLATE_NOOP("Composer", "Keywords :-"), &SignRecord::Keywords},
  {QT_TRANSLATE_NOOP("Composer", "Compatible Signs :-"), &SignRecord::CompatibleSigns},
  {QT_TRANSLATE_NOOP("Composer", "Lucky Color for Male :-"), &SignRecord::LuckyColorMale},
  {QT_TRANSLATE_NOOP("Composer", "Lucky Color for Female :-"), &SignRecord::LuckyColorFemale},
  //: Masculine or feminine, as the sign's nature (yang or yin), not grammar.
  {QT_TRANSLATE_NOOP("Composer", "Polarity :-"), &SignRecord::Polarity},
  {QT_TRANSLATE_NOOP("Composer", "Role :-"), &SignRecord::Role},
  {QT_TRANSLATE_NOOP("Composer", "Corresponding Zodiac Sign :-"), &SignRecord::ZodiacSign},
  {QT_TRANSLATE_NOOP("Composer", "Description of God/ Goddess :-"), &SignRecord::DeityDescription},
  {QT_TRANSLATE_NOOP("Composer", "Characteristics of people under this Sign :-"), &SignRecord::PeopleCharacteristics},
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
    view.InsertText(QCoreApplication::translate("Composer", entry.heading));
    view.SetEmphasis(false);
    view.SetColour(ReportStyle::Value);
    view.InsertText(FromEngine("Catalogue", record.*entry.value) + (last ? LineBreak : LineBreak + LineBreak));
  }
}

void ComposeUserReport(RichTextView& view, const QString& signCaption, const SignRecord& record) {
  ComposeReport(view, UserTitleHeading, signCaption, record);
}

void ComposePartnerReport(RichTextView& view, const QString& signCaption, const SignRecord& record) {
  ComposeReport(view, PartnerTitleHeading, signCaption, record);
}
