#pragma once

#include "ui/translation.h"

#include <QString>

#include <optional>

// The five boxes of the refer-a-friend form, blanks removed at both ends.
struct ReferralValues {
  QString name;
  QString email;
  QString message;
  QString friendName;
  QString friendEmail;
};

// Each box's placeholder text.
namespace Placeholder {
inline constexpr TranslatableText Name{"Placeholder", QT_TRANSLATE_NOOP("Placeholder", "Your Name")};
inline constexpr TranslatableText Email{"Placeholder", QT_TRANSLATE_NOOP("Placeholder", "Your Email Address")};
inline constexpr TranslatableText Message{"Placeholder", QT_TRANSLATE_NOOP("Placeholder", "Your Message")};
inline constexpr TranslatableText FriendName{"Placeholder", QT_TRANSLATE_NOOP("Placeholder", "Friend's Name")};
inline constexpr TranslatableText FriendEmail{"Placeholder",
                                              QT_TRANSLATE_NOOP("Placeholder", "Friend's Email Address")};
}  // namespace Placeholder

// The message box's first text: the placeholder and a line break, so an
// untouched box is neither empty nor the placeholder.
struct InitialMessageText {
  operator QString() const { return Placeholder::Message.Text() + QStringLiteral("\r\n"); }
};
inline constexpr InitialMessageText InitialMessage;

// Removes the space character (only) at both ends; tabs and line breaks stay.
QString TrimBlanks(const QString& text);

// Focus rules of the five boxes: entering a box that shows its placeholder
// empties it; leaving an empty box puts the placeholder back.
QString TextOnFocusIn(const QString& text, const QString& placeholder);
QString TextOnFocusOut(const QString& text, const QString& placeholder);

// The refer-a-friend check: the first failing test's message, or none.
std::optional<QString> CheckReferral(const ReferralValues& values);

// The refer-a-friend page address. Each typed value is percent-encoded, so
// the page receives exactly what was typed, whatever characters it holds.
QString ReferralAddress(const ReferralValues& values);
