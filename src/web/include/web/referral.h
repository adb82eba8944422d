#pragma once

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
inline const QString Name = QStringLiteral("Your Name");
inline const QString Email = QStringLiteral("Your Email Address");
inline const QString Message = QStringLiteral("Your Message");
inline const QString FriendName = QStringLiteral("Friend's Name");
inline const QString FriendEmail = QStringLiteral("Friend's Email Address");
}  // namespace Placeholder

// The message box's first text: the placeholder and a line break, so an
// untouched box is neither empty nor the placeholder.
inline const QString InitialMessage = Placeholder::Message + QStringLiteral("\r\n");

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
