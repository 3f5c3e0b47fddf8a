#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <vector>

#include "clock/BoardView.h"
#include "clock/RoundFlow.h"
#include "clock/TimerThread.h"
#include "input/GamepadDevices.h"
#include "model/ScoreManager.h"
#include "model/Settings.h"
#include "platform/MainThread.h"
#include "platform/ProgramDir.h"
#include "platform/SoundPlayer.h"
#include "platform/TimeSource.h"
#include "record/MatchRecords.h"
#include "support/core/FakeJoystickApi.h"
#include "support/core/FakeSoundPlayer.h"
#include "support/core/FakeTimeSource.h"
#include "support/core/OperatorScript.h"
#include "support/core/RunUntil.h"

// What the board shows right now.
struct TBoardState {
  QString ClockText;
  TColor ClockColor = -1;
  QString StateText;
  TColor StateColor = -1;
  QString PauseCaption;
  bool PauseEnabled = false;
  QString InjuryCaption;
  bool InjuryEnabled = false;
  bool ClockCommandsShowClock = false;
  int RoundField = 0;
  QString RedScoreText = QStringLiteral("0");
  QString BlueScoreText = QStringLiteral("0");
  // "red", "blue" or empty, and the phase of its blink.
  QString Winner;
  bool WinnerLit = false;
};

struct TColorChange {
  int64_t AtMs;
  TColor Color;
};

// The board, with the history a test needs to see what happened between two looks.
class TFakeBoardView : public TBoardView {
 public:
  explicit TFakeBoardView(TFakeTimeSource& Time) : FTime(Time) {}

  void SetClockText(const QString& Text) override {
    Changed();
    if (!ClockTextError.isEmpty()) {
      const QString Message = std::exchange(ClockTextError, QString());
      throw std::runtime_error(Message.toStdString());
    }
    Board.ClockText = Text;
    ClockTexts << Text;
  }
  void SetClockColor(TColor Color) override {
    Changed();
    Board.ClockColor = Color;
    ClockColors.push_back({std::llround(FTime.Now() * MsPerDay), Color});
  }
  void SetStateText(const QString& Text) override {
    Changed();
    Board.StateText = Text;
    StateTexts << Text;
  }
  void SetStateColor(TColor Color) override {
    Changed();
    Board.StateColor = Color;
  }
  void SetPauseButtonCaption(const QString& Caption) override {
    Changed();
    Board.PauseCaption = Caption;
  }
  void SetPauseButtonEnabled(bool Enabled) override {
    Changed();
    Board.PauseEnabled = Enabled;
  }
  void SetInjuryButtonCaption(const QString& Caption) override {
    Changed();
    Board.InjuryCaption = Caption;
  }
  void SetInjuryButtonEnabled(bool Enabled) override {
    Changed();
    Board.InjuryEnabled = Enabled;
  }
  void SetClockCommandsEnabled(bool ClockExists) override {
    Changed();
    Board.ClockCommandsShowClock = ClockExists;
  }
  void SetRoundField(int Round) override {
    Changed();
    Board.RoundField = Round;
  }
  // The window's redraw of a score figure.
  void SetScoreText(bool Red, const QString& Text) {
    Changed();
    (Red ? Board.RedScoreText : Board.BlueScoreText) = Text;
    (Red ? RedScoreTexts : BlueScoreTexts) << Text;
  }
  void ShowWinner(TSide Winner, bool Lit) override {
    Changed();
    Board.Winner = QLatin1String(Winner == TSide::Red ? "red" : "blue");
    Board.WinnerLit = Lit;
    WinnerPhases.push_back(Lit);
  }
  void HideWinner() override {
    Changed();
    Board.Winner.clear();
  }
  void ShowError(const QString& Message) override {
    Changed();
    Errors << Message;
  }

  TBoardState Board;
  QStringList ClockTexts;
  std::vector<TColorChange> ClockColors;
  QStringList StateTexts;
  QStringList RedScoreTexts;
  QStringList BlueScoreTexts;
  std::vector<bool> WinnerPhases;
  QStringList Errors;
  // The next clock text write fails with this message.
  QString ClockTextError;
  int Changes = 0;

 private:
  void Changed() { ++Changes; }
  TFakeTimeSource& FTime;
};

// A round flow on a fake board, wired to a real score manager the way the
// scoreboard window wires it, with fake time, sound and gamepads (none
// plugged in) and a temporary program folder for the records. Rounds last 2 s, breaks and injury
// times 1 s.
class RoundFlowTest : public testing::Test {
 protected:
  RoundFlowTest() : View(Time), FTimeScope(Time) {
    SetJoystickApi(&Pads);
    SetProgramDirForTest(FDir.path());
    SetSoundPlayer(&Sound);
    Config.LoadConfig();
    Config.RoundTime = 2;
    Config.CoachTime = 1;
    Config.InjuryTime = 1;
    Config.Rounds = 3;
    Config.SaveFileName = QStringLiteral("match");
    JoySticks = std::make_unique<TSysJoySticks>();
    Flow = std::make_unique<TRoundFlow>(View, Mgr, *JoySticks, Config, Records);
    WireLikeTheWindow();
    Flow->UpdateCommands();
  }

  ~RoundFlowTest() override {
    Flow.reset();
    JoySticks.reset();
    SetJoystickApi(nullptr);
    SetSoundPlayer(nullptr);
    SetProgramDirForTest(QString());
  }

  // The window redraws a score and runs the rules after every change.
  void WireLikeTheWindow() {
    Mgr.OnRedScoreChange = [this](TDorvaneMgr&) {
      View.SetScoreText(true, QString::number(Mgr.RedScore()));
      Flow->ScoreChanged();
    };
    Mgr.OnBlueScoreChange = [this](TDorvaneMgr&) {
      View.SetScoreText(false, QString::number(Mgr.BlueScore()));
      Flow->ScoreChanged();
    };
    Mgr.OnRedPenaltyChange = [this](TDorvaneMgr&) { Flow->PenaltyChanged(); };
    Mgr.OnBluePenaltyChange = [this](TDorvaneMgr&) { Flow->PenaltyChanged(); };
    Mgr.OnScoresReset = [this](TDorvaneMgr&) {
      View.SetScoreText(true, QString::number(Mgr.RedScore()));
      View.SetScoreText(false, QString::number(Mgr.BlueScore()));
    };
    Mgr.OnWinnerChange = [this](TDorvaneMgr&) { Flow->WinnerChanged(); };
  }

  // Starts a round and turns the event loop until its end has been handled.
  void PlayRound() {
    Flow->StartRound();
    ASSERT_TRUE(RunUntil([this] { return !Flow->ClockExists(); })) << "the clock run never ended";
  }

  // The record file's lines.
  QStringList RecordLines() const {
    QFile File(Records.FilePath());
    if (!File.open(QIODevice::ReadOnly)) return {};
    QStringList Lines = QString::fromUtf8(File.readAll()).split(QStringLiteral("\r\n"));
    if (!Lines.isEmpty() && Lines.last().isEmpty()) Lines.removeLast();
    return Lines;
  }

  TOperatorScript Time;
  TFakeBoardView View;
  TFakeSoundPlayer Sound;
  TFakeJoystickApi Pads;
  TTKDConfig Config;
  TMatchRecords Records{Config};
  TDorvaneMgr Mgr;
  std::unique_ptr<TSysJoySticks> JoySticks;
  std::unique_ptr<TRoundFlow> Flow;

 private:
  QTemporaryDir FDir;
  TFakeTimeScope FTimeScope;
};
