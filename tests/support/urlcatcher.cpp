#include "support/urlcatcher.h"

#include <QDesktopServices>

UrlCatcher::UrlCatcher() {
  for (const char* scheme : {"http", "https", "file", "mailto"})
    QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "handle");
}

UrlCatcher::~UrlCatcher() {
  for (const char* scheme : {"http", "https", "file", "mailto"})
    QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void UrlCatcher::handle(const QUrl& url) { opened.append(url.toString(QUrl::FullyEncoded)); }
