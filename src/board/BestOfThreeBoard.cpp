// The board under the best-of-three rules: each side's rounds won as two
// markers under its score, keys for techniques of 1 to 5 points, no warning
// buttons, and the referee's superiority decision asked of the operator.

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>

#include "board/ScoreDisplay.h"
#include "clock/RoundFlow.h"
#include "match/Match.h"
#include "model/BestOfThree.h"
#include "model/RuleSet.h"
#include "model/Settings.h"
#include "widgets/BoardShapes.h"
#include "widgets/MessageBoxes.h"

namespace {

// Beside the state line, under each score: red's two, then blue's two.
constexpr QRect RoundMarkerPlaces[] = {
    {150, 374, 36, 14}, {192, 374, 36, 14}, {569, 374, 36, 14}, {611, 374, 36, 14}};
constexpr const char* RoundMarkerNames[] = {"shpRedRound1", "shpRedRound2", "shpBlueRound1",
                                            "shpBlueRound2"};

}  // namespace

void TfrmDorvane::BuildBestOfThree() {
  for (size_t Index = 0; Index < shpRoundsWon.size(); ++Index) {
    shpRoundsWon[Index] = AddShape(RoundMarkerNames[Index], RoundMarkerPlaces[Index], clUnlitLight);
    shpRoundsWon[Index]->hide();
  }
  // Keys 1 to 5 give red a technique of that many points, Ctrl+1 to Ctrl+5
  // blue; the classic rules ignore them.
  for (int32_t Points = 1; Points <= TBestOfThree::MaxTechniquePoints; ++Points) {
    for (TSide Side : {TSide::Red, TSide::Blue}) {
      auto* Action = new QAction(this);
      const QKeyCombination Key(Side == TSide::Red ? Qt::NoModifier : Qt::ControlModifier,
                                Qt::Key(Qt::Key_0 + Points));
      Action->setShortcut(Key);
      Action->setShortcutContext(Qt::WindowShortcut);
      addAction(Action);
      connect(Action, &QAction::triggered, this, [this, Side, Points] {
        RunCommand([this, Side, Points] { FMatch.AddTechnique(Side, Points); });
      });
    }
  }
}

void TfrmDorvane::ApplyRuleSet() {
  const bool BestOfThree = RulesOf(FConfig) == TRules::BestOfThree;
  for (TBoardShape* Marker : shpRoundsWon) Marker->setVisible(BestOfThree);
  // These rules have no half penalties.
  for (QPushButton* Button :
       {btnRedWarning, btnRedWarningMinus, btnBlueWarning, btnBlueWarningMinus}) {
    Button->setVisible(!BestOfThree);
  }
  for (TCommand Command : {F4, ShiftF4, F7, ShiftF7}) FCommands[Command]->setEnabled(!BestOfThree);
  const TBestOfThree& Rounds = FMatch.RoundFlow().BestOfThree();
  ShowRoundsWon(Rounds.RoundsWon(TSide::Red), Rounds.RoundsWon(TSide::Blue));
  FMatch.RoundFlow().OnRefereeDecision = [this](int32_t Round) {
    return AskRefereeDecision(Round);
  };
}

void TfrmDorvane::ShowRoundsWon(int32_t RedRounds, int32_t BlueRounds) {
  for (int32_t Index = 0; Index < TBestOfThree::RoundsToWin; ++Index) {
    shpRoundsWon[static_cast<size_t>(Index)]->SetLightColor(
        Index < RedRounds ? FConfig.RedPlayerColor : clUnlitLight);
    shpRoundsWon[static_cast<size_t>(Index + TBestOfThree::RoundsToWin)]->SetLightColor(
        Index < BlueRounds ? FConfig.BluePlayerColor : clUnlitLight);
  }
  if (OnMatchChanged) OnMatchChanged();
}

TSide TfrmDorvane::AskRefereeDecision(int32_t Round) {
  const bool Red = AskChoice(
      this,
      QCoreApplication::translate("Board",
                                  "Round %1 is tied after every tie-break. Who wins it by the "
                                  "referee's superiority decision?")
          .arg(Round),
      QCoreApplication::translate("Board", "Red: %1")
          .arg(FMatch.RoundFlow().PlayerName(TSide::Red)),
      QCoreApplication::translate("Board", "Blue: %1")
          .arg(FMatch.RoundFlow().PlayerName(TSide::Blue)));
  return Red ? TSide::Red : TSide::Blue;
}
