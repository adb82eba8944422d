#pragma once

#include <QString>

// A page of the maker's web site, chosen by a short lower-case key.
using PageKey = QString;

namespace Page {
inline const PageKey Home = QStringLiteral("home-page");
inline const PageKey Help = QStringLiteral("help-web-page");
inline const PageKey Download = QStringLiteral("download-web-page");
inline const PageKey Donate = QStringLiteral("donate");
inline const PageKey FullyBranded = QStringLiteral("fully-branded");
inline const PageKey OrlendaSoftwares = QStringLiteral("orlendasoftwares");
inline const PageKey ReferAFriend = QStringLiteral("kvms-refer-a-friend");
}  // namespace Page

// The maker's site root; every address starts here.
inline constexpr char SiteRoot[] = "http://www.orlenda.com/";

// Site root + "scarabine/" : the product's home on the maker's site.
QString ProductHomeAddress();

// Site root + "scarabine/" + "ssd.php?page=" + key.
QString PageAddress(const PageKey& key);

// Hands the page to the desktop's default browser. Failures are ignored:
// nothing is shown and nothing else changes.
void OpenWebPage(const PageKey& key);

// Opens an already formed address the same way.
void OpenAddress(const QString& address);
