#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the command line asks for.
struct TCommandLine {
  enum class TAction { Run, ShowHelp, ShowVersion, Fail };
  TAction Action = TAction::Run;
  // For ShowHelp and ShowVersion the text to print, for Fail the error.
  QString Text;
  QString SettingsFile;       // --settings FILE
  QString DataDir;            // --data DIR
  std::optional<int> Screen;  // --screen N: the board full-screen on screen N
  // --console: the operator console beside the board, also on one screen.
  bool Console = false;
  bool Windowed = false;  // --windowed: the board in a normal window
};

// Arguments as main received them, the program's name first.
TCommandLine ParseCommandLine(const QStringList& Arguments);

// The arguments of main as text.
QStringList CommandLineArguments(int argc, char** argv);

// For a command line that does not run the board: prints the help or the
// version, in the user's language, or the error. Needs no display. The exit code.
int AnswerCommandLine(int argc, char** argv);
