// The board's side of a confirmed configuration.
#include <QLabel>

#include "board/ScoreDisplay.h"
#include "clock/RoundFlow.h"
#include "match/Match.h"
#include "model/ScoreManager.h"

bool TfrmDorvane::ClockExists() const { return FMatch.RoundFlow().ClockExists(); }

void TfrmDorvane::ClearWinner() { FMatch.ScoreMgr().SetWinner(TWinner::None); }

// The configured names are the match's from here on, in the record lines too.
void TfrmDorvane::SetPlayerNames(const QString& RedName, const QString& BlueName) {
  FMatch.RoundFlow().SetPlayerNames(RedName, BlueName);
  SetLabelText(lblRedPlayerName, RedName);
  SetLabelText(lblBluePlayerName, BlueName);
}

void TfrmDorvane::SetManagerColors(TColor Round, TColor Break, TColor Injury) {
  TDorvaneMgr& Mgr = FMatch.ScoreMgr();
  Mgr.SetRoundColor(Round);
  Mgr.SetBreakColor(Break);
  Mgr.SetInjuryColor(Injury);
}

void TfrmDorvane::SetDivision(const QString& Division) { SetLabelText(lblDivision, Division); }

void TfrmDorvane::SetAutoRestart(bool On) { FMatch.ScoreMgr().SetAutoRestart(On); }

void TfrmDorvane::SetWinnerBlinkInterval(int Milliseconds) {
  FMatch.RoundFlow().SetWinnerBlinkInterval(Milliseconds);
}

void TfrmDorvane::ShowIdleClockText(const QString& Text) { SetClockText(Text); }

void TfrmDorvane::mniConfigurationClick() {
  RunConfigurationCommand(*this, FConfig, OperatorWindow());
  ApplyRuleSet();
}
