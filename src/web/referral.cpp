#include "web/referral.h"

#include "ui/pages.h"

#include <QUrl>

QString TrimBlanks(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text.at(first) == u' ') ++first;
  while (last > first && text.at(last - 1) == u' ') --last;
  return text.mid(first, last - first);
}

QString TextOnFocusIn(const QString& text, const QString& placeholder) {
  return TrimBlanks(text) == placeholder ? QString() : text;
}

QString TextOnFocusOut(const QString& text, const QString& placeholder) {
  return TrimBlanks(text).isEmpty() ? placeholder : text;
}

std::optional<QString> CheckReferral(const ReferralValues& v) {
  auto message = [](const char* text) { return QCoreApplication::translate("Referral", text); };
  if (v.email == v.friendEmail) return message(QT_TRANSLATE_NOOP("Referral", "Please Enter Distinct Email Addresses"));
  if (!v.email.contains(u'@') || !v.friendEmail.contains(u'@'))
    return message(QT_TRANSLATE_NOOP("Referral", "Please Enter Proper Email Address"));
  if (!v.email.contains(u'.') || !v.friendEmail.contains(u'.'))
    return message(QT_TRANSLATE_NOOP("Referral", "Please Enter Proper Email Address"));
  if (v.name.isEmpty() || v.name == Placeholder::Name.Text())
    return message(QT_TRANSLATE_NOOP("Referral", "Please Enter Your Name"));
  if (v.message.isEmpty() || v.message == Placeholder::Message.Text())
    return message(QT_TRANSLATE_NOOP("Referral", "Please Enter Your Message"));
  if (v.friendName.isEmpty() || v.friendName == Placeholder::FriendName.Text())
    return message(QT_TRANSLATE_NOOP("Referral", "Please Enter Your Friend's Name"));
  return std::nullopt;
}

namespace {
// UTF-8, everything but the unreserved characters escaped: '&', '=', '#',
// '+', '%', blanks and line breaks can no longer cut the address.
// Half a surrogate pair is no character: it goes as U+FFFD, the mark for
// "unreadable character", where UTF-8 encoding would silently send a '?'.
QString QueryValue(QString value) {
  for (qsizetype i = 0; i < value.size(); ++i) {
    if (value.at(i).isHighSurrogate() && i + 1 < value.size() && value.at(i + 1).isLowSurrogate()) {
      ++i;
    } else if (value.at(i).isSurrogate()) {
      value[i] = QChar::ReplacementCharacter;
    }
  }
  return QString::fromLatin1(QUrl::toPercentEncoding(value));
}
}  // namespace

QString ReferralAddress(const ReferralValues& v) {
  // taf6 is our own constant address and contains only characters a query allows.
  return PageAddress(Page::ReferAFriend) + QStringLiteral("&taf1=") + QueryValue(v.name) +
         QStringLiteral("&taf2=") + QueryValue(v.email) + QStringLiteral("&taf3=") + QueryValue(v.message) +
         QStringLiteral("&taf4=") + QueryValue(v.friendName) + QStringLiteral("&taf5=") +
         QueryValue(v.friendEmail) + QStringLiteral("&taf6=") + ProductHomeAddress();
}
