#include "ui/pages.h"

#include <QDesktopServices>
#include <QUrl>

QString ProductHomeAddress() { return QString::fromLatin1(ProductHome); }

QString PageAddress(const PageKey& key) {
  return ProductHomeAddress() + QString::fromLatin1(PageScript) + key;
}

void OpenAddress(const QString& address) {
  // StrictMode: an address is ours or already percent-encoded; never re-guess it.
  (void)QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}

void OpenWebPage(const PageKey& key) { OpenAddress(PageAddress(key)); }
