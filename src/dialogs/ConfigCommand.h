#pragma once

#include <QString>
#include <functional>

#include "model/Colors.h"

class QWidget;
class TTKDConfig;

// What the scoreboard's "Configuration" command changes on the board. The
// scoreboard window implements it.
class TConfigTarget {
 public:
  virtual ~TConfigTarget() = default;

  // True while a round's clock thread exists.
  virtual bool ClockExists() const = 0;
  // The score manager's Winner becomes 0: the blinking stops.
  virtual void ClearWinner() = 0;
  virtual void SetPlayerNames(const QString& RedName, const QString& BlueName) = 0;
  // The score manager's clock colours.
  virtual void SetManagerColors(TColor Round, TColor Break, TColor Injury) = 0;
  virtual void SetBackgroundColor(TColor Color) = 0;
  // Both names, the round caption and the round number.
  virtual void SetNameColor(TColor Color) = 0;
  virtual void SetClockColor(TColor Color) = 0;
  virtual void SetDivision(const QString& Division) = 0;
  // Each side's score, penalty count and penalty caption.
  virtual void ApplyPlayerColors(TColor Red, TColor Blue) = 0;
  // The score manager's AutoRestart.
  virtual void SetAutoRestart(bool On) = 0;
  virtual void SetWinnerBlinkInterval(int Milliseconds) = 0;
  // The clock's text while no round runs.
  virtual void ShowIdleClockText(const QString& Text) = 0;
};

// The winner blink period in ms: WinnerBlink rounded (halves to even), at
// least 100 so the board stays readable.
int WinnerBlinkInterval(double WinnerBlink);

// Puts the confirmed settings on the board.
void ApplyConfiguration(TConfigTarget& Board, const TTKDConfig& Config);

// The scoreboard's "Configuration" command: clears the winner when no round
// runs, shows the configuration dialog over Owner and applies Config when it
// was confirmed. A bad row or an unwritable settings file is shown in the
// error box and nothing is applied.
void RunConfigurationCommand(TConfigTarget& Board, TTKDConfig& Config, QWidget* Owner = nullptr);
