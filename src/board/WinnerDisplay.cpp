// The decided match: the winner's name in the state line's place and the
// winner's score blinking between the player's colour and the name colour.
// The numbers stay, so the final score and the winner read at all times.

#include <QCoreApplication>
#include <QLabel>

#include "board/ScoreDisplay.h"
#include "widgets/ColorConversion.h"

namespace {

TColor TextColor(const QLabel* Label) {
  return FromQColor(Label->palette().color(QPalette::WindowText));
}

}  // namespace

void TfrmDorvane::ShowWinner(TSide Winner, bool Lit) {
  const bool Red = Winner == TSide::Red;
  const QLabel* Name = Red ? lblRedPlayerName : lblBluePlayerName;
  SetLabelText(lblWinner, QCoreApplication::translate("Board", "%1 wins").arg(Name->text()));
  lblRoundState->hide();
  lblWinner->show();
  // The penalty captions keep the player colours, the header the name colour.
  QLabel* Score = Red ? lblRedScore : lblBlueScore;
  SetLabelColor(Score, TextColor(Lit ? lblRoundHeader
                                     : (Red ? lblRedPenaltyCaption : lblBluePenaltyCaption)));
  // A former winner (a retirement after another) no longer blinks.
  SetLabelColor(Red ? lblBlueScore : lblRedScore,
                TextColor(Red ? lblBluePenaltyCaption : lblRedPenaltyCaption));
}

void TfrmDorvane::HideWinner() {
  lblWinner->hide();
  lblRoundState->show();
  SetLabelColor(lblRedScore, TextColor(lblRedPenaltyCaption));
  SetLabelColor(lblBlueScore, TextColor(lblBluePenaltyCaption));
}
