#pragma once

#include <QString>

// One running copy per user. Takes the per-user lock and holds it until the
// process ends; false when another live copy holds it. A lock left behind by
// a copy that crashed or was killed does not count.
bool AcquireInstanceLock();

// Where the lock lives: the user's runtime folder, named after the executable.
QString InstanceLockPath();
