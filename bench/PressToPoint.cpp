// How long a judges' point takes to reach the board, and what one vote check
// costs when nothing is awarded.
//
// Latency: the real scoreboard window (offscreen) in a running round with four
// SDL virtual judges; judge 1 presses red one-point, then the clock is timed
// from judge 2's press to the red score's change event on the main thread.
// Usage: bench_PressToPoint [presses = 200]

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "board/ScoreDisplay.h"
#include "clock/RoundFlow.h"
#include "input/ElectronicScoring.h"
#include "input/GamepadDevices.h"
#include "input/Judges.h"
#include "match/Match.h"
#include "model/ScoreManager.h"
#include "model/Settings.h"
#include "platform/ProgramDir.h"
#include "platform/SoundPlayer.h"
#include "record/SoundCues.h"
#include "support/AllocationCounter.h"
#include "support/core/FakeSoundPlayer.h"
#include "support/core/VirtualGamepads.h"

namespace {

using TSteady = std::chrono::steady_clock;
constexpr int RedOne = 5;

double MsBetween(TSteady::time_point From, TSteady::time_point To) {
  return std::chrono::duration<double, std::milli>(To - From).count();
}

// Keeps the main thread's loop turning for Ms, so the clock's hand-offs run.
void Spin(int Ms) {
  QEventLoop Loop;
  QTimer::singleShot(Ms, &Loop, &QEventLoop::quit);
  Loop.exec();
}

double Percentile(std::vector<double> Values, double Fraction) {
  std::sort(Values.begin(), Values.end());
  const auto Index = static_cast<size_t>(Fraction * static_cast<double>(Values.size() - 1) + 0.5);
  return Values[std::min(Index, Values.size() - 1)];
}

std::vector<double> MeasurePressToPoint(TTKDConfig& Config, TVirtualGamepads& Pads, int Presses) {
  TMatch Match(Config);
  TfrmDorvane Board(Config, Match);
  Board.show();
  TDorvaneMgr& Mgr = Board.ScoreMgr();
  TSteady::time_point Changed;
  bool Scored = false;
  QEventLoop Waiting;
  // Chained before the board's own redraw, so the time is the event's.
  auto Redraw = Mgr.OnRedScoreChange;
  Mgr.OnRedScoreChange = [&](TDorvaneMgr& Sender) {
    Changed = TSteady::now();
    Scored = true;
    Waiting.quit();
    Redraw(Sender);
  };
  Board.RoundFlow().StartRound();

  std::vector<double> Latencies;
  for (int Press = 0; Press < Presses; ++Press) {
    Pads.Press(0, RedOne);
    Spin(10);
    Scored = false;
    const int32_t Before = Mgr.RedScore();
    const TSteady::time_point Pressed = TSteady::now();
    Pads.Press(1, RedOne);
    while (!Scored) Waiting.exec();
    Latencies.push_back(MsBetween(Pressed, Changed));
    if (Mgr.RedScore() != Before + 1) std::fprintf(stderr, "press %d: no single point\n", Press);
    Pads.Release(0, RedOne);
    Pads.Release(1, RedOne);
    Spin(10);
  }
  Board.RoundFlow().StopRound();
  while (Board.RoundFlow().ClockExists()) Spin(5);
  return Latencies;
}

// The check as the clock calls it after a poll, with four judges and no vote
// pending (once with every light lit by old, consumed presses).
void MeasureCheckWithoutAward(const TTKDConfig& Config, TVirtualGamepads& Pads, bool LightsLit) {
  TSysJoySticks JoySticks;
  TJudgeList Judges;
  BuildJudges(Judges, JoySticks, Config, {}, {});
  TDorvaneMgr Mgr;
  QTimer HandSet;
  TElectronicScoring Scoring(
      Judges, Mgr, HandSet, Config, [] { return true; }, PlayCue);
  if (LightsLit) {
    for (int Pad = 0; Pad < 4; ++Pad) Pads.Press(Pad, RedOne);
    JoySticks.Poll();
    // The first vote button is red one point.
    for (int Judge = 0; Judge < Judges.Count(); ++Judge) Judges[Judge].Votes[0]->Pending = false;
  }
  Scoring.CheckJudgeVotes();  // a lit light starts the refresh timer once
  constexpr int Checks = 200000;
  const int64_t AllocationsBefore = AllocationCount();
  const TSteady::time_point Started = TSteady::now();
  for (int Check = 0; Check < Checks; ++Check) Scoring.CheckJudgeVotes();
  const double ElapsedMs = MsBetween(Started, TSteady::now());
  const int64_t Allocated = AllocationCount() - AllocationsBefore;
  std::printf(
      "vote check, no award, %d judges, lights %s: %.3f us per check, %lld allocations in %d "
      "checks\n",
      Judges.Count(), LightsLit ? "lit" : "dark", ElapsedMs * 1000.0 / Checks,
      static_cast<long long>(Allocated), Checks);
  for (int Pad = 0; Pad < 4; ++Pad) Pads.Release(Pad, RedOne);
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  QApplication App(argc, argv);
  const int Presses = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

  // Default settings in a scratch folder, a long round, no sound.
  QTemporaryDir Folder;
  SetProgramDirForTest(Folder.path());
  TTKDConfig Config;
  Config.LoadConfig();
  Config.UseElectronicScoring = true;
  Config.RoundTime = 3600;
  TFakeSoundPlayer Silent;
  SetSoundPlayer(&Silent);

  {
    TVirtualGamepads Pads(4, 12);
    const std::vector<double> Latencies = MeasurePressToPoint(Config, Pads, Presses);
    std::printf(
        "press to point over %d presses: median %.3f ms, 99th percentile %.3f ms, max %.3f ms\n",
        Presses, Percentile(Latencies, 0.5), Percentile(Latencies, 0.99),
        Percentile(Latencies, 1.0));
    MeasureCheckWithoutAward(Config, Pads, false);
    MeasureCheckWithoutAward(Config, Pads, true);
  }

  SetSoundPlayer(nullptr);
  SetProgramDirForTest(QString());
  return 0;
}
