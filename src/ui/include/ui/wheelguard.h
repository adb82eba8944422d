#pragma once

class QComboBox;

// A list turns with the mouse wheel only while it holds the focus. A wheel
// turn that merely passes over it goes on to what lies beneath, so a window
// that scrolls goes on scrolling and no value changes unseen.
void TurnOnlyWhenFocused(QComboBox* list);
