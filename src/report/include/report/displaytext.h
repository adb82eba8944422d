#pragma once

#include <QString>

#include <string_view>

// Text cut to what any window could show, with an ellipsis when cut: a
// pasted name of a megabyte would otherwise be laid out whole on every fit.
QString CutForDisplay(const QString& text, qsizetype limit = 1024);

// The engine's text (UTF-8, no Qt) as the windows show it.
QString FromEngine(std::string_view text);

// The engine's English text in the reader's language, looked up in the
// context that marks it for translation (as it is when none has it).
QString FromEngine(const char* context, std::string_view text);
