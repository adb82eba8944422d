#pragma once

// The program's entry sequence. Returns false when the program must end at
// once (another copy is already running); otherwise the main window is shown.
bool RunStartup();

// Start-up, the event loop and the clean-up after it; main()'s whole work.
int RunProgram();
