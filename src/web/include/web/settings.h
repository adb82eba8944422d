#pragma once

#include <QString>

// The program's one persistent setting lives in a small per-user INI file,
// $XDG_CONFIG_HOME/Orlenda/<executable's name>.ini (~/.config when unset):
// section "Settings", key and value scrambled so the file is not plainly
// readable. Only a regular file of at most 64 KiB is read; anything else at
// that path reads as "nothing stored", as on a first start, and the next
// store replaces it with a fresh file where it can.

// Each character moved up by a fixed small offset; length and order unchanged.
QString ScrambleText(const QString& plain);
// The inverse of ScrambleText.
QString UnscrambleText(const QString& scrambled);

// The stored value for a plain key, unscrambled; empty when there is none or
// the store cannot be read.
QString ReadSetting(const QString& key);
// Stores a value under a plain key (both scrambled), replacing any earlier
// one. A store that cannot be written is ignored: nothing is reported.
void SaveSettingValue(const QString& key, const QString& value);

// Where the store lives.
QString SettingsFilePath();

