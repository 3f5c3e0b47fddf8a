#include "dialogs/ConfigCommand.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "dialogs/TKDConfig.h"
#include "model/DorvaneError.h"
#include "model/Settings.h"
#include "model/StringFn.h"
#include "widgets/MessageBoxes.h"

int WinnerBlinkInterval(double WinnerBlink) {
  constexpr double Shortest = 100;
  // Clamped before the conversion: a huge value must not overflow the int.
  const double Rounded = std::nearbyint(WinnerBlink);
  return static_cast<int>(std::clamp(Rounded, Shortest, double(std::numeric_limits<int>::max())));
}

void ApplyConfiguration(TConfigTarget& Board, const TTKDConfig& Config) {
  Board.SetPlayerNames(Config.RedPlayer, Config.BluePlayer);
  Board.SetManagerColors(Config.RoundColor, Config.BreakColor, Config.InjuryColor);
  Board.SetBackgroundColor(Config.BGColor);
  Board.SetNameColor(Config.NameColor);
  Board.SetClockColor(Config.RoundColor);
  Board.SetDivision(Config.Division);
  Board.ApplyPlayerColors(Config.RedPlayerColor, Config.BluePlayerColor);
  Board.SetAutoRestart(Config.AutoRestartAfterInjury);
  Board.SetWinnerBlinkInterval(WinnerBlinkInterval(Config.WinnerBlink));
  // A running clock keeps the times it was started with.
  if (!Board.ClockExists()) Board.ShowIdleClockText(FormatSecondsMS(Config.RoundTime));
}

void RunConfigurationCommand(TConfigTarget& Board, TTKDConfig& Config, QWidget* Owner) {
  if (!Board.ClockExists()) Board.ClearWinner();
  try {
    if (!ShowConfigDialog(Config, Owner)) return;
  } catch (const TDorvaneError& Error) {
    ShowErrorBox(Owner, Error.Message());
    return;
  }
  ApplyConfiguration(Board, Config);
}
