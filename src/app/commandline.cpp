#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

// Exit status for a command line we do not understand, as getopt programs use.
constexpr int UsageError = 2;

struct Options {
  QCommandLineOption help;
  QCommandLineOption version;
};

Options Define(QCommandLineParser& parser) {
  parser.setApplicationDescription(QStringLiteral("Egyptian astrology signs and partner compatibility."));
  // "-style" is one option, as Qt's own are written, not five short ones.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  // Not addHelpOption(): its --help-all offers Qt's own options, which the
  // program does not take.
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Displays help on commandline options."));
  parser.addOption(help);
  const QCommandLineOption version = parser.addVersionOption();
  return {help, version};
}

void Print(std::FILE* stream, const QString& text) { std::fputs(qPrintable(text), stream); }

}  // namespace

// Any argument at all is answered with text alone, before a window system
// is asked for: the program takes no command line beyond --help and
// --version. Qt's own options (-platform, -style, -stylesheet and the rest)
// are refused as unknown too; a bad one would abort the program or feed it
// any file as a style sheet, and the environment's QT_* variables do the
// same jobs.
bool AsksOnlyForText(int argc, char* argv[]) {
  Q_UNUSED(argv);
  return argc > 1;
}

std::optional<int> AnswerCommandLine(const QStringList& arguments) {
  if (arguments.size() < 2) return std::nullopt;
  QCommandLineParser parser;
  const Options options = Define(parser);
  QString error;
  if (!parser.parse(arguments)) {
    error = parser.errorText();
  } else if (!parser.positionalArguments().isEmpty()) {
    error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
  }
  if (!error.isEmpty()) {
    Print(stderr, QCoreApplication::applicationName() + QStringLiteral(": ") + error + u'\n');
    Print(stderr, parser.helpText());
    return UsageError;
  }
  if (parser.isSet(options.help)) {
    Print(stdout, parser.helpText());
    return 0;
  }
  if (parser.isSet(options.version)) {
    Print(stdout, QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n');
    return 0;
  }
  return std::nullopt;
}
