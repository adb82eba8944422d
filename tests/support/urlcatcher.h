#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

// Catches every address the program hands to the desktop, so no browser opens.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  UrlCatcher();
  ~UrlCatcher() override;
  QStringList opened;  // as the program formed them (encoded form)

 public slots:
  void handle(const QUrl& url);
};
