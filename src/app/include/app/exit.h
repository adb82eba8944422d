#pragma once

class QWidget;

// Run when a working window (main or report) is unloaded: brings up the
// farewell window. Never cancels the close; harmless when entered twice.
void BeginExit(QWidget* closingWindow);

// Unloads every loaded window in load order, ignoring failures, and ends the
// program. Once it has begun, no window is shown again.
void CloseAllAndEnd();

// Hides the farewell window if it is shown (Back from the report window).
void HideFarewell();
