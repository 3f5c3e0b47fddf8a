#pragma once

#include <QString>
#include <cstdint>

#include "model/Colors.h"
#include "model/Side.h"

// What the round flow and the winner rules change on the board. The
// scoreboard window implements it; tests use a fake.
class TBoardView {
 public:
  virtual ~TBoardView() = default;

  // The count-down clock (lblCountDown).
  virtual void SetClockText(const QString& Text) = 0;
  virtual void SetClockColor(TColor Color) = 0;
  // The state line under the clock (lblRoundState).
  virtual void SetStateText(const QString& Text) = 0;
  virtual void SetStateColor(TColor Color) = 0;

  // The on-screen Pause and Injury buttons; their menu entries keep their captions.
  virtual void SetPauseButtonCaption(const QString& Caption) = 0;
  virtual void SetPauseButtonEnabled(bool Enabled) = 0;
  virtual void SetInjuryButtonCaption(const QString& Caption) = 0;
  virtual void SetInjuryButtonEnabled(bool Enabled) = 0;
  // New game, Gamepad manager and Start (button and menu entry) are enabled
  // when no clock exists, Stop when one does; "Check for updates" follows
  // New game unless an update runs.
  virtual void SetClockCommandsEnabled(bool ClockExists) = 0;
  // The "Set round" field of the popup menu.
  virtual void SetRoundField(int Round) = 0;

  // The winner: named in the state line's place, the winner's score blinking
  // in two colours (Lit is the phase) while both scores keep their numbers.
  virtual void ShowWinner(TSide Winner, bool Lit) = 0;
  virtual void HideWinner() = 0;

  // Each side's rounds won under the best-of-three rules; the classic
  // rules never call it, so a view without markers may ignore it.
  virtual void ShowRoundsWon(int32_t RedRounds, int32_t BlueRounds) {
    (void)RedRounds;
    (void)BlueRounds;
  }

  // An error of a clock run, shown in the "Dorvane" error box.
  virtual void ShowError(const QString& Message) = 0;
};
