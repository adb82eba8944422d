#pragma once

#include <QString>

// One running copy per user. Takes the per-user lock and holds it until the
// process ends; false only when another running copy of this user holds it.
// Whatever a copy that crashed or was killed left behind does not count, and
// where no place for the lock can be used the program runs unguarded.
bool AcquireInstanceLock();

// Where the lock lives: the user's runtime folder ($XDG_RUNTIME_DIR), the file
// named after the executable (scarabine.lock). Empty when there is no runtime
// folder.
QString InstanceLockPath();

// Where it lives when that place cannot be used (no runtime folder, or
// something other than a lock file of this user's at the path): a folder of
// this user's alone in the temporary folder, $TMPDIR/scarabine-<uid>/
// scarabine.lock. Empty where the platform has no such fallback.
QString FallbackInstanceLockPath();
