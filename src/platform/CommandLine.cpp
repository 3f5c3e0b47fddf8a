#include "platform/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "platform/Translations.h"

namespace {

struct TOptions {
  QCommandLineOption Help{QStringList{QStringLiteral("h"), QStringLiteral("help")},
                          QCoreApplication::translate("CommandLine", "Show this help and exit.")};
  QCommandLineOption Version{
      QStringLiteral("version"),
      QCoreApplication::translate("CommandLine", "Show the version and exit.")};
  QCommandLineOption Settings{
      QStringLiteral("settings"),
      QCoreApplication::translate("CommandLine", "Read and save the settings in FILE."),
      QCoreApplication::translate("CommandLine", "FILE")};
  QCommandLineOption Data{
      QStringLiteral("data"),
      QCoreApplication::translate("CommandLine", "Write the match records into folder DIR."),
      QCoreApplication::translate("CommandLine", "DIR")};
  QCommandLineOption Screen{
      QStringLiteral("screen"),
      QCoreApplication::translate("CommandLine",
                                  "Show the board full-screen on screen N (0 is the primary)."),
      QStringLiteral("N")};
  QCommandLineOption Console{
      QStringLiteral("console"),
      QCoreApplication::translate("CommandLine", "Open the operator console beside the board.")};
  QCommandLineOption Windowed{
      QStringLiteral("windowed"),
      QCoreApplication::translate("CommandLine", "Show the board in a normal window.")};
};

// Built afresh at each use, so the texts are those of the language in use.
void AddOptions(QCommandLineParser& Parser, const TOptions& Options) {
  Parser.setApplicationDescription(QCoreApplication::translate(
      "CommandLine", "Taekwondo match scoreboard and scoring console."));
  Parser.addOptions({Options.Help, Options.Version, Options.Settings, Options.Data, Options.Screen,
                     Options.Console, Options.Windowed});
}

std::optional<int> ScreenNumber(const QString& Text) {
  bool Ok = false;
  const int Number = Text.toInt(&Ok);
  if (!Ok || Number < 0) return std::nullopt;
  return Number;
}

}  // namespace

TCommandLine ParseCommandLine(const QStringList& Arguments) {
  const TOptions Options;
  QCommandLineParser Parser;
  AddOptions(Parser, Options);
  TCommandLine Line;
  if (!Parser.parse(Arguments)) {
    Line.Action = TCommandLine::TAction::Fail;
    Line.Text = Parser.errorText();
    return Line;
  }
  if (!Parser.positionalArguments().isEmpty()) {
    Line.Action = TCommandLine::TAction::Fail;
    Line.Text = QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                    .arg(Parser.positionalArguments().first());
    return Line;
  }
  // Also the help is given in the language those settings name.
  Line.SettingsFile = Parser.value(Options.Settings);
  Line.DataDir = Parser.value(Options.Data);
  if (Parser.isSet(Options.Help)) {
    Line.Action = TCommandLine::TAction::ShowHelp;
    Line.Text = Parser.helpText();
    return Line;
  }
  if (Parser.isSet(Options.Version)) {
    Line.Action = TCommandLine::TAction::ShowVersion;
    Line.Text = QStringLiteral("Dorvane " DORVANE_VERSION "\n");
    return Line;
  }
  if (Parser.isSet(Options.Screen)) {
    Line.Screen = ScreenNumber(Parser.value(Options.Screen));
    if (!Line.Screen) {
      Line.Action = TCommandLine::TAction::Fail;
      Line.Text =
          QCoreApplication::translate("CommandLine", "--screen needs a screen number, 0 or more.");
      return Line;
    }
  }
  Line.Console = Parser.isSet(Options.Console);
  Line.Windowed = Parser.isSet(Options.Windowed);
  return Line;
}

QStringList CommandLineArguments(int argc, char** argv) {
  QStringList Arguments;
  for (int I = 0; I < argc; ++I) Arguments << QString::fromLocal8Bit(argv[I]);
  return Arguments;
}

int AnswerCommandLine(int argc, char** argv) {
  const QCoreApplication App(argc, argv);
  InstallTranslations();
  // Parsed again: the option texts are made in the language just installed.
  const TCommandLine Line = ParseCommandLine(QCoreApplication::arguments());
  if (Line.Action == TCommandLine::TAction::Fail) {
    std::fprintf(stderr, "dorvane: %s\n%s\n", qPrintable(Line.Text),
                 qPrintable(QCoreApplication::translate("CommandLine",
                                                        "Try 'dorvane --help' for the options.")));
    return 1;
  }
  std::fputs(qPrintable(Line.Text), stdout);
  return 0;
}
