#include "model/ScoreManager.h"

namespace {

template <typename T>
T Locked(std::mutex& Lock, const T& Field) {
  std::lock_guard Guard(Lock);
  return Field;
}

// Stores under the lock, then fires with the lock free, so a handler may
// call back into the manager.
template <typename T>
void Store(std::mutex& Lock, T& Field, T Value, const TDorvaneMgr::TMgrEvent* Event,
           TDorvaneMgr& Sender) {
  {
    std::lock_guard Guard(Lock);
    Field = Value;
  }
  if (Event && *Event) (*Event)(Sender);
}

}  // namespace

TDorvaneMgr::TDorvaneMgr() {
  FRoundColor = 16777215;  // white
  FBreakColor = 16776960;  // aqua
  FInjuryColor = 65535;    // yellow
  ResetMatch();
}

int32_t TDorvaneMgr::Round() const { return Locked(Lock, FRound); }
void TDorvaneMgr::SetRound(int32_t Value) { Store(Lock, FRound, Value, &OnRoundChange, *this); }
int32_t TDorvaneMgr::RedScore() const { return Locked(Lock, FRedScore); }
void TDorvaneMgr::SetRedScore(int32_t Value) {
  Store(Lock, FRedScore, Value, &OnRedScoreChange, *this);
}
int32_t TDorvaneMgr::BlueScore() const { return Locked(Lock, FBlueScore); }
void TDorvaneMgr::SetBlueScore(int32_t Value) {
  Store(Lock, FBlueScore, Value, &OnBlueScoreChange, *this);
}
double TDorvaneMgr::RedPenalty() const { return Locked(Lock, FRedPenalty); }
void TDorvaneMgr::SetRedPenalty(double Value) {
  Store(Lock, FRedPenalty, Value, &OnRedPenaltyChange, *this);
}
double TDorvaneMgr::BluePenalty() const { return Locked(Lock, FBluePenalty); }
void TDorvaneMgr::SetBluePenalty(double Value) {
  Store(Lock, FBluePenalty, Value, &OnBluePenaltyChange, *this);
}
TColor TDorvaneMgr::RoundColor() const { return Locked(Lock, FRoundColor); }
void TDorvaneMgr::SetRoundColor(TColor Value) {
  Store(Lock, FRoundColor, Value, &OnColorChange, *this);
}
TColor TDorvaneMgr::BreakColor() const { return Locked(Lock, FBreakColor); }
void TDorvaneMgr::SetBreakColor(TColor Value) {
  Store(Lock, FBreakColor, Value, &OnColorChange, *this);
}
TColor TDorvaneMgr::InjuryColor() const { return Locked(Lock, FInjuryColor); }
void TDorvaneMgr::SetInjuryColor(TColor Value) {
  Store(Lock, FInjuryColor, Value, &OnColorChange, *this);
}
bool TDorvaneMgr::PenaltyIncrement() const { return Locked(Lock, FPenaltyIncrement); }
void TDorvaneMgr::SetPenaltyIncrement(bool Value) {
  Store(Lock, FPenaltyIncrement, Value, nullptr, *this);
}
bool TDorvaneMgr::ShowPenaltyTotal() const { return Locked(Lock, FShowPenaltyTotal); }
void TDorvaneMgr::SetShowPenaltyTotal(bool Value) {
  Store(Lock, FShowPenaltyTotal, Value, nullptr, *this);
}
bool TDorvaneMgr::AutoRestart() const { return Locked(Lock, FAutoRestart); }
void TDorvaneMgr::SetAutoRestart(bool Value) { Store(Lock, FAutoRestart, Value, nullptr, *this); }
TWinner TDorvaneMgr::Winner() const { return Locked(Lock, FWinner); }
void TDorvaneMgr::SetWinner(TWinner Value) { Store(Lock, FWinner, Value, &OnWinnerChange, *this); }

void TDorvaneMgr::ResetScores() {
  {
    std::lock_guard Guard(Lock);
    FRedScore = 0;
    FBlueScore = 0;
    FRedPenalty = 0;
    FBluePenalty = 0;
  }
  if (OnScoresReset) OnScoresReset(*this);
}

void TDorvaneMgr::ResetMatch() {
  SetRound(1);
  SetRedScore(0);
  SetBlueScore(0);
  SetRedPenalty(0);
  SetBluePenalty(0);
  SetWinner(TWinner::None);
}
