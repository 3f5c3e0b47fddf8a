#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTimer>
#include <array>
#include <optional>

#include "input/ElectronicScoring.h"
#include "input/GamepadDevices.h"
#include "input/Judges.h"
#include "model/ScoreManager.h"
#include "model/Settings.h"
#include "platform/SoundPlayer.h"
#include "platform/TimeSource.h"
#include "record/SoundCues.h"
#include "support/core/FakeSoundPlayer.h"
#include "support/core/FakeTimeSource.h"
#include "support/core/TestLight.h"

// Default settings in a fresh program folder, a fake time source and sound
// player, and the judges and the vote check wired as the board wires them
// over whatever joystick API is installed. The clock always counts.
class TJudgesFixture : public testing::Test {
 public:
  // The fake time's start, a date-time.
  static constexpr double Start = 46000.5;

 protected:
  TJudgesFixture();
  ~TJudgesFixture() override;

  // The gamepad list over the pads there are now, the judges, the vote check.
  void BuildJudgesAndScoring();
  TJudgeLights RedLightsOfJudges();
  TJudgeLights BlueLightsOfJudges();

  TFakeTimeSource Time{Start};
  TFakeSoundPlayer Sound;
  TTKDConfig Config;
  TDorvaneMgr Mgr;
  std::optional<TSysJoySticks> JoySticks;
  TJudgeList Judges;
  std::array<TTestLight, MaxJudges> RedLights;
  std::array<TTestLight, MaxJudges> BlueLights;
  QTimer HandSet;
  std::optional<TElectronicScoring> Scoring;

 private:
  QTemporaryDir FDir;
  TFakeTimeScope FTimeScope{Time};
};
