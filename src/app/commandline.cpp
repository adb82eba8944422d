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
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  return {help, version};
}

void Print(std::FILE* stream, const QString& text) { std::fputs(qPrintable(text), stream); }

}  // namespace

bool AsksOnlyForText(int argc, char* argv[]) {
  if (argc < 2) return false;  // a plain start, the usual one
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  QCommandLineParser parser;
  const Options options = Define(parser);
  // Anything the parser does not know may be one of Qt's own options, which
  // only the window system's application object takes out.
  return parser.parse(arguments) && parser.positionalArguments().isEmpty() &&
         (parser.isSet(options.help) || parser.isSet(options.version));
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
  if (parser.isSet(QStringLiteral("help-all"))) parser.process(arguments);  // prints Qt's options too, and ends
  if (parser.isSet(options.version)) {
    Print(stdout, QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n');
    return 0;
  }
  return std::nullopt;
}
