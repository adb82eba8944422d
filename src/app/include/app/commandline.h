#pragma once

#include <QStringList>

#include <optional>

// The program's options: --help and --version (-h, -v), nothing else; Qt's
// own options are not taken either.

// Whether there is a command line to answer. Every one is answered with
// text before the window system is opened, so help, the version and a usage
// error all work on a text console too.
bool AsksOnlyForText(int argc, char* argv[]);

// Answers the options in `arguments` and returns
// the exit status: 0 after help or the version, 2 after a bad option or an
// argument. Returns nothing when there is no option: the program starts.
std::optional<int> AnswerCommandLine(const QStringList& arguments);
