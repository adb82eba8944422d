#include "web/settings.h"

#include "ui/program.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace {
// Letters, digits and date separators all stay below 128 after the shift,
// so the stored text remains plain 8-bit.
constexpr char16_t ScrambleOffset = 7;

const QString Section = QStringLiteral("Settings");
const QString Organisation = QStringLiteral("Orlenda");

// One setting needs a few bytes; anything far bigger is not ours to read.
constexpr qint64 LargestStore = qint64{64} * 1024;

enum class StoreState { Missing, Readable, Unreadable };

// Decided from the file's status alone: opening a FIFO would wait for a
// writer, and a huge file would be read whole before a window shows.
StoreState Inspect(const QString& path) {
  const QFileInfo info(path);
  if (info.isFile()) return info.size() <= LargestStore ? StoreState::Readable : StoreState::Unreadable;
  return info.exists() || info.isSymLink() ? StoreState::Unreadable : StoreState::Missing;
}

// Whatever sits at the path (a FIFO, a device, a huge file, a broken link)
// is replaced in one step by a fresh file holding only this value; a folder,
// or anything the user may not write, is left as it is. A link is replaced
// itself, never what it points to.
void StoreInFreshFile(const QString& path, const QString& key, const QString& value) {
  const QFileInfo existing(path);
  if (existing.isDir() || (existing.exists() && !existing.isWritable())) return;
  QTemporaryFile fresh(path + QStringLiteral(".XXXXXX"));
  if (!fresh.open()) return;
  fresh.close();
  {
    QSettings store(fresh.fileName(), QSettings::IniFormat);
    store.beginGroup(Section);
    store.setValue(ScrambleText(key), ScrambleText(value));
    store.endGroup();
    store.sync();
    if (store.status() != QSettings::NoError) return;
  }
  std::error_code failed;
  std::filesystem::rename(std::filesystem::path(fresh.fileName().toStdU16String()),
                          std::filesystem::path(path.toStdU16String()), failed);
  if (!failed) fresh.setAutoRemove(false);
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

QString SettingsFilePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + Organisation +
         QLatin1Char('/') + ProgramFileName() + QStringLiteral(".ini");
}

QString ReadSetting(const QString& key) {
  const QString path = SettingsFilePath();
  if (Inspect(path) != StoreState::Readable) return {};
  // By file name: the organisation-wide and system-wide files QSettings
  // would also read are not ours, and were never looked at above.
  QSettings store(path, QSettings::IniFormat);
  store.beginGroup(Section);
  const QVariant value = store.value(ScrambleText(key));
  // A corrupt file or a value of the wrong kind reads as "nothing stored".
  if (store.status() != QSettings::NoError || !value.canConvert<QString>()) return {};
  return UnscrambleText(value.toString());
}

void SaveSettingValue(const QString& key, const QString& value) {
  const QString path = SettingsFilePath();
  if (Inspect(path) == StoreState::Unreadable) {
    StoreInFreshFile(path, key, value);
    return;
  }
  QSettings store(path, QSettings::IniFormat);
  store.beginGroup(Section);
  store.setValue(ScrambleText(key), ScrambleText(value));
  store.endGroup();
  store.sync();  // a failure shows in status(); nobody is told
}
