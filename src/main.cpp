#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

#include "board/BoardFeed.h"
#include "board/BoardPlacement.h"
#include "board/FeedModuleLoader.h"
#include "board/InterruptedMatch.h"
#include "board/OperatorConsole.h"
#include "board/ScoreDisplay.h"
#include "feed/FeedSettings.h"
#include "match/Match.h"
#include "model/Settings.h"
#include "platform/CommandLine.h"
#include "platform/FontConfigWarmUp.h"
#include "platform/Joystick.h"
#include "platform/MainThread.h"
#include "platform/OpenFilesLimit.h"
#include "platform/ProgramDir.h"
#include "platform/SoundPlayer.h"
#include "platform/Translations.h"
#include "platform/UserFolders.h"
#include "record/SoundCues.h"
#include "update/UpdateStaging.h"
#include "widgets/MessageBoxes.h"

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
  const TCommandLine Line = ParseCommandLine(CommandLineArguments(argc, argv));
  UseUserFolders(ChooseUserFolders(CurrentFolderSources(Line.SettingsFile, Line.DataDir)));
  if (Line.Action != TCommandLine::TAction::Run) return AnswerCommandLine(argc, argv);
  RaiseOpenFilesLimit();
  CreateSettingsFolder();
  if (!getenv("DISPLAY") && !getenv("WAYLAND_DISPLAY") && !getenv("QT_QPA_PLATFORM")) {
    std::fputs(
        "Dorvane needs a display: start it from a desktop session, or headless with "
        "'xvfb-run build/dorvane'.\n",
        stderr);
    return 1;
  }
  TFontConfigWarmUp FontConfig;
  // The settings exist, loaded, before the match and any window.
  TTKDConfig Config;
  Config.LoadConfig();

  int Result = 0;
  {
    QApplication App(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dorvane"));
    InstallTranslations();
    // An update the operator postponed replaces the files before anything
    // of them runs; the new program then starts in place of this one.
    // The package manager updates an installed copy.
    if (!IsInstalledCopy() && InstallStagedUpdate()) {
      QProcess::startDetached(QCoreApplication::applicationFilePath(),
                              QCoreApplication::arguments().mid(1));
      return 0;
    }
    {
      // Taken before the new match writes its own journal over it.
      const std::optional<TInterruptedMatch> Interrupted = TakeInterruptedMatch(JournalPath());
      // The popup menu, the pads, the sound device and the message socket
      // wait for the board's first paint: the operator sees the board sooner.
      TMatch Match(Config, TMatch::TGamepadStart::Later);
      FontConfig.Wait();
      TfrmDorvane frmDorvane(Config, Match);
      // Goes before the board: it is told of the board's changes until then.
      TBoardFeed LiveFeed(frmDorvane, Match,
                          OpenFeedModule(TFeedSettings::Read(SettingsFilePath())));
      // After an update's restart the old board may still hold the socket
      // for a moment: keep trying for a while.
      QTimer Listen;
      int ListenTries = 0;
      QObject::connect(&Listen, &QTimer::timeout, [&] {
        if (frmDorvane.ListenForAppMessages(QStringLiteral("Dorvane")) || ++ListenTries >= 15) {
          Listen.stop();
        }
      });
      const TAfterFirstPaint StartDevices(frmDorvane, [&] {
        // Made now, so that the first right-click finds it ready.
        frmDorvane.PopupMenu();
        Match.StartGamepads();
        if (!Match.GamepadError().isEmpty()) {
          ShowErrorBox(frmDorvane.OperatorWindow(), Match.GamepadError());
        }
        if (!frmDorvane.ListenForAppMessages(QStringLiteral("Dorvane"))) Listen.start(1000);
        if (AnyCueConfigured()) StartSoundPlayer();
      });
      frmDorvane.ShowOnScreen(ChosenBoardScreen(Line.Screen), Line.Windowed);
      // With a second screen the operator works from a console there; on one
      // screen the board is also the console, as it always was.
      std::unique_ptr<TfrmConsole> Console;
      auto OpenConsole = [&] {
        Console = std::make_unique<TfrmConsole>(frmDorvane, Match);
        Console->ShowOn(ConsoleScreen(frmDorvane.screen()));
      };
      if (Line.Console || QGuiApplication::screens().size() >= 2) OpenConsole();
      // A projector plugged in later takes the board when it is the chosen
      // screen: the controls then come to the operator's screen, the
      // primary. Queued after the board's own move.
      QObject::connect(qApp, &QGuiApplication::screenAdded, &frmDorvane, [&] {
        QTimer::singleShot(0, &frmDorvane, [&] {
          if (!Console && frmDorvane.screen() != QGuiApplication::primaryScreen()) OpenConsole();
        });
      });
      QWidget* Operator = frmDorvane.OperatorWindow();
      // Asked once the board stands, with its first game in place.
      if (Interrupted) {
        QTimer::singleShot(0, Operator,
                           [&] { OfferInterruptedMatch(Operator, Match, *Interrupted); });
      }
      Result = App.exec();
      // The board is closed: a running clock's reports have nowhere to go.
      ShutdownMainThreadHandOff();
    }  // the board's end, then the match's: clock, timers, score manager, gamepads, judges, sound
    ShutdownJoysticks();
    ShutdownSoundPlayer();
  }
  // Not saved: only the configuration dialogs write the settings.
  return Result;
}
