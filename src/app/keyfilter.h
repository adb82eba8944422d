#pragma once

class QLineEdit;

// The rule for a character typed into a name box: letters (A to Z, and the
// translated language's own letters) enter in upper case; blank, Enter and Backspace pass; anything else shows
// "Please Enter Only Alphabet" and becomes 0 (the key has no effect).
void FilterNameKey(char16_t& code);

// Applies FilterNameKey to every character typed into the box. Keys that type
// nothing (arrows, Delete, Home, Shift, function keys) and pasted text pass;
// Alt chords belong to the menus and type nothing.
void InstallNameKeyFilter(QLineEdit* box);
