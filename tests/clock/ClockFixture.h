#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "clock/TimerThread.h"
#include "model/ScoreManager.h"
#include "model/Settings.h"
#include "platform/TimeSource.h"
#include "support/core/FakeTimeSource.h"

// A fake clock that runs scripted actions when its sleeps reach their time,
// so a test can pause, resume, call injury time or stop a run on the calling
// thread without a second thread and without waiting.
class TScriptedTime : public TFakeTimeSource {
 public:
  void Sleep(int Ms) override {
    TFakeTimeSource::Sleep(Ms);
    while (!FActions.empty() && FActions.begin()->first <= ElapsedMs()) {
      const auto Action = FActions.begin()->second;
      FActions.erase(FActions.begin());
      Action();
    }
  }
  void At(int64_t Ms, std::function<void()> Action) { FActions.emplace(Ms, std::move(Action)); }
  int64_t ElapsedMs() { return std::llround((Now() - FStart) * MsPerDay); }

 private:
  const double FStart = Now();
  std::multimap<int64_t, std::function<void()>> FActions;
};

struct TTickRecord {
  int64_t AtMs;
  TClockState State;
  double Remaining;
  double Shown;  // the time the clock text is written from
};

struct TStateRecord {
  int64_t AtMs;
  TClockState State;
};

// One clock run counted on the test's thread with scripted time; every report
// is recorded with the fake time it arrived at.
class ClockTest : public testing::Test {
 public:
  ClockTest() : FTimeScope(Time) {}

  TTimerThread& MakeClock(double RoundTime, double BreakTime = 0, double InjuryTime = 0,
                          int32_t Round = 1, int32_t Rounds = 1) {
    TClockRun Run = TClockRun::Of(Config, Round, SuddenDeathActive);
    Run.RoundTime = RoundTime;
    Run.BreakTime = BreakTime;
    Run.InjuryTime = InjuryTime;
    Run.Rounds = Rounds;
    Run.UsedRoundTime = UsedRoundTime;
    Clock = std::make_unique<TTimerThread>(Mgr, Run);
    Clock->OnTick = [this](TTimerThread&, TClockState State, double Remaining, double Shown) {
      Ticks.push_back({Time.ElapsedMs(), State, Remaining, Shown});
    };
    Clock->OnStateChange = [this](TTimerThread&, TClockState State) {
      States.push_back({Time.ElapsedMs(), State});
    };
    Clock->CuePlayer = [this](const QString& Name) { Cues.push_back(Name); };
    Clock->OnError = [this](TTimerThread&, const QString& Message) { Errors.push_back(Message); };
    return *Clock;
  }

  // The run and its end handling, as the clock thread and the main thread do them.
  void ExecuteAndFinish() {
    Clock->Execute();
    Clock->Finish();
  }

  void SetStateAt(int64_t Ms, TClockState State) {
    Time.At(Ms, [this, State] { Clock->SetState(State); });
  }
  void TerminateAt(int64_t Ms) {
    Time.At(Ms, [this] { Clock->Terminate(); });
  }

  std::vector<TClockState> StateSequence() const {
    std::vector<TClockState> Result;
    for (const auto& Record : States) Result.push_back(Record.State);
    return Result;
  }

  int64_t FirstAnnounced(TClockState State) const {
    for (const auto& Record : States) {
      if (Record.State == State) return Record.AtMs;
    }
    return -1;
  }

  TTKDConfig Config;
  // The run counts the sudden-death round.
  // A resumed round: the round time counted before the interruption.
  double UsedRoundTime = 0;
  bool SuddenDeathActive = false;
  TDorvaneMgr Mgr;
  TScriptedTime Time;
  std::unique_ptr<TTimerThread> Clock;
  std::vector<TTickRecord> Ticks;
  std::vector<TStateRecord> States;
  std::vector<QString> Cues;
  std::vector<QString> Errors;

 private:
  TFakeTimeScope FTimeScope;
};
