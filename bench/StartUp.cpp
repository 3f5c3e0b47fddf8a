// Start-up: from starting the program to the first paint of its window, the
// board against a bare full-screen QWidget in the same run. Each start is a
// child process of this one (this program again, told which window to show),
// the two alternating; the child reports the monotonic time of its first
// paint. Offscreen, default settings in a scratch folder, the board started
// as the program starts it: the pads are looked for after the first paint
// ('make compare' starts the real program with 4 virtual pads).
// Usage: bench_StartUp [starts of each = 21]

#include <QApplication>
#include <QEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include "board/ScoreDisplay.h"
#include "match/Match.h"
#include "model/Settings.h"
#include "platform/FontConfigWarmUp.h"
#include "platform/ProgramDir.h"
#include "platform/SoundPlayer.h"
#include "support/core/FakeSoundPlayer.h"

namespace {

using TSteady = std::chrono::steady_clock;

double NowMs() {
  return std::chrono::duration<double, std::milli>(TSteady::now().time_since_epoch()).count();
}

// Prints the time of the watched window's first paint and ends the program.
class TFirstPaintReporter : public QObject {
 protected:
  bool eventFilter(QObject*, QEvent* Event) override {
    if (Event->type() == QEvent::Paint && !FReported) {
      FReported = true;
      std::printf("%.3f\n", NowMs());
      std::fflush(stdout);
      QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  bool FReported = false;
};

int ShowWindow(int argc, char** argv, bool Board) {
  // As the program starts: fontconfig is read alongside the window system's start.
  std::optional<TFontConfigWarmUp> FontConfig;
  if (Board) FontConfig.emplace();
  QApplication App(argc, argv);
  TFirstPaintReporter Reporter;
  if (!Board) {
    QWidget Bare;
    Bare.setWindowFlags(Qt::FramelessWindowHint);
    Bare.installEventFilter(&Reporter);
    Bare.showFullScreen();
    return App.exec();
  }
  QTemporaryDir Folder;
  SetProgramDirForTest(Folder.path());
  TTKDConfig Config;
  Config.LoadConfig();
  TFakeSoundPlayer Silent;
  SetSoundPlayer(&Silent);
  int Result = 0;
  {
    TMatch Match(Config, TMatch::TGamepadStart::Later);
    FontConfig->Wait();
    TfrmDorvane Board(Config, Match);
    Board.installEventFilter(&Reporter);
    Board.ShowOnScreen(std::nullopt, false);
    Result = App.exec();
  }
  SetSoundPlayer(nullptr);
  return Result;
}

// Milliseconds from starting the child to its first paint; negative on failure.
double TimeOneStart(const char* Program, const char* Which) {
  QProcess Child;
  const double Started = NowMs();
  Child.start(QString::fromLocal8Bit(Program), {QString::fromLatin1(Which)});
  if (!Child.waitForFinished(30000)) return -1;
  const QByteArray Output = Child.readAllStandardOutput().trimmed();
  bool Ok = false;
  const double Painted = Output.split('\n').last().toDouble(&Ok);
  return Ok ? Painted - Started : -1;
}

double Median(std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  return Values[Values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  if (argc > 1 && std::strcmp(argv[1], "board") == 0) return ShowWindow(argc, argv, true);
  if (argc > 1 && std::strcmp(argv[1], "bare") == 0) return ShowWindow(argc, argv, false);
  const int Starts = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;

  std::vector<double> Board;
  std::vector<double> Bare;
  for (int Start = 0; Start < Starts; ++Start) {
    Board.push_back(TimeOneStart(argv[0], "board"));
    Bare.push_back(TimeOneStart(argv[0], "bare"));
  }
  if (std::min(Median(Board), Median(Bare)) <= 0) {
    std::fprintf(stderr, "a start failed\n");
    return 1;
  }
  std::printf(
      "start-up to the first paint, median of %d interleaved starts: board %.1f ms, bare "
      "QWidget %.1f ms, ratio %.2fx\n",
      Starts, Median(Board), Median(Bare), Median(Board) / Median(Bare));
  return 0;
}
