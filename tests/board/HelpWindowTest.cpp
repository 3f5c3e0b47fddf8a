#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTextBrowser>
#include <QWidget>

#include "board/HelpWindow.h"

namespace {

QString HelpText(QWidget* Window) {
  auto* Browser = Window->findChild<QTextBrowser*>("HelpBrowser");
  return Browser ? Browser->toPlainText() : QString();
}

TEST(HelpWindow, ShowsTheOperatorsHelp) {
  QWidget Board;
  QPointer<QWidget> Window = ShowOperatorHelp(&Board);
  ASSERT_TRUE(Window);
  EXPECT_EQ(Window->windowTitle(), "Dorvane Help");
  EXPECT_TRUE(Window->isVisible());
  const QString Text = HelpText(Window);
  // Every key and every settings key the operator can use is explained.
  const char* Mentioned[] = {"F1",
                             "Shift+F2",
                             "Shift+F7",
                             "Ctrl+G",
                             "Ctrl+S",
                             "Ctrl+P",
                             "Ctrl+I",
                             "Ctrl+N",
                             "Ctrl+X",
                             "Request player names",
                             "Set round",
                             "Blue retires",
                             "Red retires",
                             "Gamepad manager ...",
                             "Check for updates ...",
                             "Product news ...",
                             "RoundTime",
                             "CoachTime",
                             "InjuryTime",
                             "DisqualifyPenalty",
                             "WinnerBlink",
                             "EndOfRoundWarning",
                             "BluePlayer",
                             "RedPlayer",
                             "Division",
                             "CommPortNo",
                             "NumButtons",
                             "Transiency",
                             "Rounds",
                             "RedPlayerColor",
                             "BluePlayerColor",
                             "RoundColor",
                             "BreakColor",
                             "InjuryColor",
                             "OnePointColor",
                             "TwoPointColor",
                             "ThreePointColor",
                             "NameColor",
                             "BGColor",
                             "QueryB4NewGame",
                             "UseElectronicScoring",
                             "ShowTotalPenalty",
                             "UsePenaltyIncrement",
                             "AutoRestartAfterInjury",
                             "AutoCalcWinner",
                             "UsePointGap",
                             "PointGap",
                             "UsePointCeiling",
                             "PointCeiling",
                             "UseSuddenDeath",
                             "FirstToScore",
                             "ResetScoreForSuddenDeath",
                             "SaveFileName",
                             "SaveInput",
                             "SaveScores",
                             "R1, R2, R3",
                             "B1, B2, B3",
                             "RequestNames",
                             "[Labels]",
                             "[Wav]",
                             "StartBetweenRounds",
                             "NEW MATCH",
                             "WINNER,"};
  for (const char* Item : Mentioned) EXPECT_TRUE(Text.contains(Item)) << Item;
  Window->close();
}

TEST(HelpWindow, OneWindowAtATime) {
  QWidget Board;
  QPointer<QWidget> First = ShowOperatorHelp(&Board);
  EXPECT_EQ(ShowOperatorHelp(&Board), First);
  First->close();  // deletes itself
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(First);
  QPointer<QWidget> Second = ShowOperatorHelp(&Board);
  EXPECT_TRUE(Second);
  Second->close();
}

}  // namespace
