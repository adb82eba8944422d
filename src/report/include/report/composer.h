#pragma once

#include "astro/catalogue.h"
#include "ui/translation.h"

#include <QColor>
#include <QString>

class RichTextView;

// The three styles of a report.
namespace ReportStyle {
inline const QColor Heading{128, 0, 0};   // emphasised
inline const QColor SignName{0, 0, 128};  // emphasised
inline const QColor Value{0, 0, 0};       // plain
}  // namespace ReportStyle

inline constexpr TranslatableText UserTitleHeading{"Composer", QT_TRANSLATE_NOOP("Composer", "Your Egyptian Astrology Sign is :-")};
inline constexpr TranslatableText PartnerTitleHeading{
    "Composer", QT_TRANSLATE_NOOP("Composer", "Your Partner's Egyptian Astrology Sign is :-")};

// Writes one report at the view's caret: the title heading with the sign's
// caption, then the record's twelve headed entries, in 26 insertions.
void ComposeReport(RichTextView& view, const QString& titleHeading, const QString& signCaption,
                   const SignRecord& record);

// The user's report under the user's title heading.
void ComposeUserReport(RichTextView& view, const QString& signCaption, const SignRecord& record);
// The partner's report under the partner's title heading.
void ComposePartnerReport(RichTextView& view, const QString& signCaption, const SignRecord& record);
