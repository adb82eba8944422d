#pragma once

// The program's entry sequence. Returns false when the program must end at
// once (another copy is already running); otherwise the main window is shown.
bool RunStartup();

// Shows the main window (loading it on first use), modeless.
void ShowMainWindow();

// Start-up, the event loop and the clean-up after it; main()'s whole work.
int RunProgram();
