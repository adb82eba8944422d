#pragma once

// The one computation: check the input, find both signs, compose both
// reports, decide the verdict and show the report window in place of the main one.
void RunCompatibilityCommand();
