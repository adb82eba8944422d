#pragma once

#include <QStringList>

#include <optional>

// The program's options: --help and --version (-h, -v), nothing else.

// Whether the command line asks only for help or the version. Those are
// answered before the window system is opened, so they work on a text
// console too.
bool AsksOnlyForText(int argc, char* argv[]);

// Answers the options in `arguments` (Qt's own already taken out) and returns
// the exit status: 0 after help or the version, 2 after a bad option or an
// argument. Returns nothing when there is no option: the program starts.
std::optional<int> AnswerCommandLine(const QStringList& arguments);
