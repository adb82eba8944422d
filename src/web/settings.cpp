#include "web/settings.h"

#include "ui/program.h"
#include "ui/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cctype>

namespace {
// Letters, digits and date separators all stay below 128 after the shift,
// so the stored text remains plain 8-bit.
constexpr char16_t ScrambleOffset = 7;

const QString Section = QStringLiteral("Settings");
const QString Organisation = QStringLiteral("Orlenda");

// One setting needs a few bytes; anything far bigger is not ours to read.
constexpr qint64 LargestStore = qint64{64} * 1024;

// Decided from the file's status alone: opening a FIFO would wait for a
// writer, and a huge file would be read whole before a window shows.
bool Readable(const QString& path) {
  const QFileInfo info(path);
  return info.isFile() && info.size() <= LargestStore;
}

bool PlainAscii(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; });
}

// The store is an INI file as QSettings writes and reads it, but read and
// written here: QSettings takes a lock file beside the store and waits on
// whatever it finds there (a FIFO, a folder, a fresh file), and it keeps
// what it read in a cache that a file replaced within the same tick of the
// file system's clock does not refresh. Only plain ASCII is written: the
// program stores nothing else.
QByteArray IniKey(const QString& key) {
  QByteArray text;
  for (const QChar c : key) {
    const char ch = char(c.unicode());
    if (std::isalnum(static_cast<unsigned char>(ch)) || ch == '_' || ch == '-' || ch == '.') {
      text += ch;
    } else if (ch == '/') {
      text += '\\';
    } else {
      text += '%' + QByteArray::number(int(ch), 16).toUpper().rightJustified(2, '0');
    }
  }
  return text;
}

QByteArray IniText(const QString& key, const QString& value) {
  // Quoted, so that separators and blanks at either end stay in the value;
  // a leading "@" would otherwise announce a typed value.
  QByteArray text = '[' + Section.toLatin1() + "]\n" + IniKey(key) + "=\"";
  if (value.startsWith(u'@')) text += '@';
  for (const QChar c : value) {
    const char ch = char(c.unicode());
    if (ch == '"' || ch == '\\') text += '\\';
    text += ch;
  }
  return text + "\"\n";
}

// The value of one key in the store's section, quoted or not, with the
// escapes QSettings writes; nothing for a missing key or a typed value
// (such as "@ByteArray(...)"), which the program never stores.
// A key as it stands in the file, escaped or not.
QString UnescapedKey(const QByteArray& raw) {
  QString key;
  for (qsizetype i = 0; i < raw.size(); ++i) {
    const char ch = raw.at(i);
    const qsizetype digits = i + 1 < raw.size() && raw.at(i + 1) == 'U' ? 4 : 2;
    const qsizetype from = i + 1 + (digits == 4 ? 1 : 0);
    bool hex = false;
    const uint code = ch == '%' ? raw.mid(from, digits).toUInt(&hex, 16) : 0;
    if (hex && from + digits <= raw.size()) {
      key += QChar(char16_t(code));
      i = from + digits - 1;
    } else {
      key += ch == '\\' ? QLatin1Char('/') : QLatin1Char(ch);
    }
  }
  return key;
}

QString IniValue(const QByteArray& file, const QString& key) {
  bool inSection = false;
  for (QByteArray line : file.split('\n')) {
    line = line.trimmed();
    if (line.startsWith('[')) {
      inSection = line == '[' + Section.toLatin1() + ']';
      continue;
    }
    const qsizetype equals = line.indexOf('=');
    if (!inSection || equals < 0 || UnescapedKey(line.left(equals).trimmed()) != key) continue;
    const QByteArray raw = line.mid(equals + 1).trimmed();
    QString value;
    bool quoted = false;
    for (qsizetype i = 0; i < raw.size(); ++i) {
      char ch = raw.at(i);
      if (ch == '"') {
        quoted = !quoted;
        continue;
      }
      if (ch == ';' && !quoted) break;  // a comment
      if (ch == '\\' && i + 1 < raw.size()) {
        ch = raw.at(++i);
        static const QByteArray from = "abfnrtv0";
        static const QByteArray to("\a\b\f\n\r\t\v\0", 8);
        if (const qsizetype at = from.indexOf(ch); at >= 0) {
          value += QChar(to.at(at));
        } else if (ch == 'x') {
          qsizetype end = i + 1;
          while (end < raw.size() && std::isxdigit(static_cast<unsigned char>(raw.at(end)))) ++end;
          value += QChar(char16_t(raw.mid(i + 1, end - i - 1).toUInt(nullptr, 16)));
          i = end - 1;
        } else {
          value += QLatin1Char(ch);
        }
        continue;
      }
      value += QLatin1Char(ch);
    }
    if (value.startsWith(QStringLiteral("@@"))) return value.mid(1);
    return value.startsWith(u'@') ? QString() : value;
  }
  return {};
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
  if (!Readable(path)) return {};
  QFile store(path);
  if (!store.open(QIODevice::ReadOnly)) return {};
  // A corrupt file or a value of another kind reads as "nothing stored".
  return UnscrambleText(IniValue(store.read(LargestStore), ScrambleText(key)));
}

// The store is replaced whole by a fresh file holding only this value, in
// one step: whatever sat at the path (a FIFO, a device, a huge or damaged
// file, a link) is gone, and what a link pointed to is never written. A
// folder, or a file the user may not write, is left as it is.
void SaveSettingValue(const QString& key, const QString& value) {
  const QString scrambledKey = ScrambleText(key);
  const QString scrambledValue = ScrambleText(value);
  if (!PlainAscii(scrambledKey) || !PlainAscii(scrambledValue)) return;
  const QString path = SettingsFilePath();
  if (!QDir().mkpath(QFileInfo(path).path())) return;
  // Nobody is told when the store cannot be written.
  ReplaceWholeFile(path, IniText(scrambledKey, scrambledValue), AtLink::Replace, nullptr);
}
