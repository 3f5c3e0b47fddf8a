#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "board/ScoreDisplay.h"
#include "model/Settings.h"
#include "platform/Joystick.h"
#include "platform/SoundPlayer.h"

int main(int argc, char** argv) {
  if (!getenv("DISPLAY") && !getenv("WAYLAND_DISPLAY") && !getenv("QT_QPA_PLATFORM")) {
    std::fputs(
        "Dorvane needs a display: start it from a desktop session, or headless with "
        "'xvfb-run build/dorvane'.\n",
        stderr);
    return 1;
  }
  // The settings exist, loaded, before any window.
  auto Config = std::make_unique<TTKDConfig>();
  Settings = Config.get();
  Settings->LoadConfig();

  int Result = 0;
  {
    QApplication App(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dorvane"));
    InitJoysticks();
    {
      TfrmDorvane frmDorvane;
      frmDorvane.ListenForAppMessages(QStringLiteral("Dorvane"));
      frmDorvane.show();
      Result = App.exec();
    }  // the board's end: clock, timers, score manager, gamepads, judges, sound
    ShutdownJoysticks();
    ShutdownSoundPlayer();
  }
  // Not saved: only the configuration dialogs write the settings.
  Settings = nullptr;
  Config.reset();
  return Result;
}
