#include "web/settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace {
// Letters, digits and date separators all stay below 128 after the shift,
// so the stored text remains plain 8-bit.
constexpr char16_t ScrambleOffset = 7;

const QString Section = QStringLiteral("Settings");
const QString Organisation = QStringLiteral("Orlenda");

// Explicit INI format, so tests can point the store elsewhere with
// QSettings::setPath or XDG_CONFIG_HOME.
QSettings Store() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, Organisation, SettingsApplicationName());
}
}  // namespace

QString ScrambleText(const QString& plain) {
  QString out = plain;
  // Shifting the whole 16-bit unit keeps the mapping reversible even for
  // characters the program never stores.
  for (QChar& c : out) c = QChar(static_cast<char16_t>(c.unicode() + ScrambleOffset));
  return out;
}

QString UnscrambleText(const QString& scrambled) {
  QString out = scrambled;
  for (QChar& c : out) c = QChar(static_cast<char16_t>(c.unicode() - ScrambleOffset));
  return out;
}

QString SettingsApplicationName() {
  const QString base = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  return base.isEmpty() ? QStringLiteral("scarabine") : base;
}

QString ReadSetting(const QString& key) {
  QSettings store = Store();
  store.beginGroup(Section);
  const QVariant value = store.value(ScrambleText(key));
  // A corrupt file or a value of the wrong kind reads as "nothing stored".
  if (store.status() != QSettings::NoError || !value.canConvert<QString>()) return {};
  return UnscrambleText(value.toString());
}

void SaveSettingValue(const QString& key, const QString& value) {
  QSettings store = Store();
  store.beginGroup(Section);
  store.setValue(ScrambleText(key), ScrambleText(value));
  store.endGroup();
  store.sync();  // a failure shows in status(); nobody is told
}
