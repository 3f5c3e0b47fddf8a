// CPU time the program spends per second of wall time: the idle board, and the
// board with a running round (the real clock thread, electronic scoring
// polling four SDL virtual gamepads) with 0, 1 and 20 lone presses pending
// (pressed and released by one judge, agreed by none; the three interleaved),
// paused, and with scoring switched off. The real window, offscreen. Figures
// from getrusage; the clock thread's own share from /proc (10 ms resolution).
// The lone-press rounds also as a ratio to the round without presses. The
// lean reference program is measured against the board by 'make compare'.
// Usage: bench_ClockCpuCost [seconds per measurement = 10]
#include <sys/resource.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <utility>
#include <vector>

#include "board/ScoreDisplay.h"
#include "clock/RoundFlow.h"
#include "clock/TimerThread.h"
#include "match/Match.h"
#include "model/Settings.h"
#include "platform/ProgramDir.h"
#include "platform/SoundPlayer.h"
#include "support/core/FakeSoundPlayer.h"
#include "support/core/VirtualGamepads.h"

namespace {

double Seconds(const timeval& Time) { return Time.tv_sec + Time.tv_usec / 1e6; }

double CpuSeconds(int Who) {
  rusage Usage{};
  getrusage(Who, &Usage);
  return Seconds(Usage.ru_utime) + Seconds(Usage.ru_stime);
}

// User and system time of the clock thread, or 0 when none runs.
double ClockThreadCpuSeconds() {
  const QDir Tasks(QStringLiteral("/proc/self/task"));
  for (const QString& Task : Tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile Comm(Tasks.filePath(Task + QStringLiteral("/comm")));
    if (!Comm.open(QIODevice::ReadOnly) || Comm.readAll().trimmed() != TTimerThread::ThreadName) {
      continue;
    }
    QFile Stat(Tasks.filePath(Task + QStringLiteral("/stat")));
    if (!Stat.open(QIODevice::ReadOnly)) return 0;
    // Fields after the command's closing bracket; utime and stime are the 12th and 13th.
    const QByteArray Line = Stat.readAll();
    const QList<QByteArray> Fields = Line.mid(Line.lastIndexOf(')') + 2).split(' ');
    if (Fields.size() < 13) return 0;
    return (Fields[11].toDouble() + Fields[12].toDouble()) / sysconf(_SC_CLK_TCK);
  }
  return 0;
}

void TurnEventLoop(int Ms) {
  QEventLoop Loop;
  QTimer::singleShot(Ms, &Loop, &QEventLoop::quit);
  Loop.exec();
}

// Runs the event loop for Ms, prints the CPU milliseconds used per second and
// returns them.
double Measure(const char* What, int Ms) {
  QElapsedTimer Wall;
  const double Process = CpuSeconds(RUSAGE_SELF);
  const double Main = CpuSeconds(RUSAGE_THREAD);
  const double Clock = ClockThreadCpuSeconds();
  Wall.start();
  TurnEventLoop(Ms);
  const double Elapsed = Wall.nsecsElapsed() / 1e9;
  const double PerSecond = 1000 / Elapsed;
  const double Used = (CpuSeconds(RUSAGE_SELF) - Process) * PerSecond;
  std::printf("%-48s %7.1f ms CPU/s  (main thread %6.1f, clock thread %6.1f)\n", What, Used,
              (CpuSeconds(RUSAGE_THREAD) - Main) * PerSecond,
              (ClockThreadCpuSeconds() - Clock) * PerSecond);
  std::fflush(stdout);
  return Used;
}

// Count presses no other judge agrees with: a button of no vote category on
// each pad in turn, or the first judge's red one-point button for a single one.
void PressLonely(TVirtualGamepads& Pads, int Count) {
  constexpr int RedOnePoint = 5;
  constexpr int NoVote[] = {1, 2, 3, 4, 11};
  std::vector<std::pair<int, int>> Presses;
  for (int Press = 0; Press < Count; ++Press) {
    Presses.emplace_back(Press % Pads.Count(),
                         Count == 1 ? RedOnePoint : NoVote[(Press / Pads.Count()) % 5]);
  }
  for (const auto& [Pad, Button] : Presses) Pads.Press(Pad, Button);
  TurnEventLoop(30);
  for (const auto& [Pad, Button] : Presses) Pads.Release(Pad, Button);
}

double Median(std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  return Values[Values.size() / 2];
}

void WaitForNoClock(TfrmDorvane& Board) {
  while (Board.RoundFlow().ClockExists()) TurnEventLoop(10);
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const int Ms = (argc > 1 ? std::atoi(argv[1]) : 10) * 1000;
  QApplication App(argc, argv);
  QTemporaryDir Dir;
  SetProgramDirForTest(Dir.path());
  TTKDConfig Config;
  Config.LoadConfig();
  Config.RoundTime = 3600;
  Config.UseElectronicScoring = true;
  TFakeSoundPlayer Sound;
  SetSoundPlayer(&Sound);

  TVirtualGamepads Pads(4, 12);
  {
    TMatch Match(Config);
    TfrmDorvane Board(Config, Match);
    Board.show();
    TurnEventLoop(500);
    std::printf("%d CPU(s); %d gamepads, electronic scoring on\n",
                static_cast<int>(sysconf(_SC_NPROCESSORS_ONLN)), Pads.Count());

    Measure("idle board, no clock", Ms);
    Board.CommandAction(TfrmDorvane::CtrlG)->trigger();
    // Interleaved, a third of the time each, so that the machine's drift
    // falls on all three alike; the ratios are of the medians.
    constexpr int Turns = 3;
    const struct {
      int Lonely;
      const char* What;
    } Kinds[] = {{0, "running round, 4 pads polled"},
                 {1, "1 lone press pending, 4 pads polled"},
                 {20, "20 lone presses pending, 4 pads polled"}};
    std::vector<double> Used[std::size(Kinds)];
    for (int Turn = 0; Turn < Turns; ++Turn) {
      for (size_t Kind = 0; Kind < std::size(Kinds); ++Kind) {
        if (Kinds[Kind].Lonely > 0) PressLonely(Pads, Kinds[Kind].Lonely);
        Used[Kind].push_back(Measure(Kinds[Kind].What, Ms / Turns));
      }
    }
    const double Plain = Median(Used[0]);
    std::printf(
        "medians of %d turns: running round %.1f ms CPU/s; 1 lone press %.2fx, "
        "20 lone presses %.2fx the round without presses\n",
        Turns, Plain, Median(Used[1]) / Plain, Median(Used[2]) / Plain);
    Board.CommandAction(TfrmDorvane::CtrlP)->trigger();
    Measure("paused round, 4 pads polled", Ms);
    Board.CommandAction(TfrmDorvane::CtrlS)->trigger();
    WaitForNoClock(Board);

    Config.UseElectronicScoring = false;
    Board.CommandAction(TfrmDorvane::CtrlG)->trigger();
    Measure("running round, electronic scoring off", Ms);
    Board.CommandAction(TfrmDorvane::CtrlS)->trigger();
    WaitForNoClock(Board);
  }
  SetSoundPlayer(nullptr);
  return 0;
}
