#pragma once

class QLineEdit;

// The name box's usual menu (Undo, Cut, Copy, Paste, Delete, Select All),
// without the shortcut beside an entry whose keys the box refuses: those are
// Ctrl chords, which type control codes, and the key filter answers them
// with "Please Enter Only Alphabet". The entries themselves work as ever.
void InstallNameMenu(QLineEdit* box);
