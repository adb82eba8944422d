#pragma once

#include <QString>

// The executable's name without its extension ("scarabine" when it has
// none): the per-user files are named after it, so copies installed under
// other names keep apart.
QString ProgramFileName();
