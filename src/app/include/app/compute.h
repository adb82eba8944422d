#pragma once

#include "report/reading.h"

class FrmMain;

// The one computation, on the input the main window hands over: check it,
// find both signs, compose both reports, decide the verdict and show the
// report window in place of the main one. Refused input gets its message
// and, after an empty name, the focus goes to that name's box.
void RunCompatibilityCommand(FrmMain* input, const PersonInput& user, const PersonInput& partner);
