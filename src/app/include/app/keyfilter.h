#pragma once

#include <functional>

class QLineEdit;

// The rule for a character typed into a name box: letters (A to Z, and the
// translated language's own letters) enter in upper case; blank, Enter and
// Backspace pass; anything else is refused: 0.
char16_t FilterNameKey(char16_t code);

// Applies FilterNameKey to every character typed into the box; a refused one
// has no effect once `refused` (which tells the user) returns. Keys that type
// nothing (arrows, Delete, Home, Shift, function keys) and pasted text pass;
// Alt chords belong to the menus and type nothing.
void InstallNameKeyFilter(QLineEdit* box, std::function<void()> refused);
