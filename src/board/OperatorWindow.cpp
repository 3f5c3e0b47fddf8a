// The board driven from an operator console: only the board for the
// audience, the questions over the console.

#include <QCoreApplication>

#include "board/ScoreDisplay.h"
#include "match/Match.h"
#include "widgets/MessageBoxes.h"

QString ExitQuestion() {
  return QCoreApplication::translate("Board", "A match is running. Exit Dorvane?");
}

QString NewGameQuestion() {
  return QCoreApplication::translate("Board", "A match is running. Start a new game?");
}

void TfrmDorvane::SetOperatorWindow(QWidget* Window) {
  FOperatorWindow = Window;
  // The button row and its "^" are the operator's: the console has them.
  pnlButtons->setVisible(!Window);
}

bool TfrmDorvane::ConfirmWhileMatchRuns(const QString& Question) {
  return !FOperatorWindow || !FMatch.InProgress() || AskYesNo(FOperatorWindow, Question);
}
