// The board's side of a confirmed configuration.
#include <QLabel>

#include "board/ScoreDisplay.h"
#include "clock/RoundFlow.h"
#include "model/ScoreManager.h"

bool TfrmDorvane::ClockExists() const { return FRoundFlow->ClockExists(); }

void TfrmDorvane::ClearWinner() { FScoreMgr->SetWinner(0); }

void TfrmDorvane::SetPlayerNames(const QString& RedName, const QString& BlueName) {
  SetLabelText(lblRedPlayerName, RedName);
  SetLabelText(lblBluePlayerName, BlueName);
}

void TfrmDorvane::SetManagerColors(TColor Round, TColor Break, TColor Injury) {
  FScoreMgr->SetRoundColor(Round);
  FScoreMgr->SetBreakColor(Break);
  FScoreMgr->SetInjuryColor(Injury);
}

void TfrmDorvane::SetDivision(const QString& Division) { SetLabelText(lblDivision, Division); }

void TfrmDorvane::SetAutoRestart(bool On) { FScoreMgr->SetAutoRestart(On); }

void TfrmDorvane::SetWinnerBlinkInterval(int Milliseconds) {
  FRoundFlow->SetWinnerBlinkInterval(Milliseconds);
}

void TfrmDorvane::ShowIdleClockText(const QString& Text) { SetClockText(Text); }

void TfrmDorvane::mniConfigurationClick() { RunConfigurationCommand(*this, this); }
