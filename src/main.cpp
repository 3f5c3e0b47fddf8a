#include <QApplication>
#include <QEvent>
#include <QProcess>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

#include "board/ScoreDisplay.h"
#include "model/Settings.h"
#include "platform/Joystick.h"
#include "platform/MainThread.h"
#include "platform/SoundPlayer.h"
#include "update/UpdateStaging.h"

namespace {

// Runs Then once, right after the first paint of Watched: what the board
// needs only after the operator sees it waits until then.
class TAfterFirstPaint : public QObject {
 public:
  TAfterFirstPaint(QWidget& Watched, std::function<void()> Then) : FThen(std::move(Then)) {
    Watched.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    if (Event->type() == QEvent::Paint) {
      Watched->removeEventFilter(this);
      // Queued: the paint itself goes first.
      QTimer::singleShot(0, this, [this] { FThen(); });
    }
    return false;
  }

 private:
  std::function<void()> FThen;
};

}  // namespace

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
    // An update the operator postponed replaces the files before anything
    // of them runs; the new program then starts in place of this one.
    if (InstallStagedUpdate()) {
      QProcess::startDetached(QCoreApplication::applicationFilePath(),
                              QCoreApplication::arguments().mid(1));
      Settings = nullptr;
      return 0;
    }
    {
      TfrmDorvane frmDorvane;
      // After an update's restart the old board may still hold the socket
      // for a moment: keep trying for a while.
      QTimer Listen;
      int ListenTries = 0;
      QObject::connect(&Listen, &QTimer::timeout, [&] {
        if (frmDorvane.ListenForAppMessages(QStringLiteral("Dorvane")) || ++ListenTries >= 15) {
          Listen.stop();
        }
      });
      const TAfterFirstPaint OpenSocket(frmDorvane, [&] {
        if (!frmDorvane.ListenForAppMessages(QStringLiteral("Dorvane"))) Listen.start(1000);
      });
      frmDorvane.show();
      Result = App.exec();
      // The board is closed: a running clock's reports have nowhere to go.
      ShutdownMainThreadHandOff();
    }  // the board's end: clock, timers, score manager, gamepads, judges, sound
    ShutdownJoysticks();
    ShutdownSoundPlayer();
  }
  // Not saved: only the configuration dialogs write the settings.
  Settings = nullptr;
  Config.reset();
  return Result;
}
