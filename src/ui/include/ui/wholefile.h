#pragma once

#include <QByteArray>
#include <QString>

// Whether a symbolic link at the path is written through (a name the user
// chose in a dialog) or replaced itself (a file the program keeps).
enum class AtLink { WriteThrough, Replace };

// Replaces the file at path with contents in one step: afterwards it holds
// either all of contents, synced to the disk, or what it held before. No
// temporary file is left beside it, even when the program is killed on the
// way (where the file system cannot hold a nameless file, the one named
// "<name>.XXXXXX" is removed on every failure the program sees). A read-only
// file stays as it is. On failure returns false and, in reason, what the
// system said for the step that failed.
bool ReplaceWholeFile(const QString& path, const QByteArray& contents, AtLink link, QString* reason);
