#include "support/JudgesFixture.h"

#include <utility>

#include "platform/ProgramDir.h"

TJudgesFixture::TJudgesFixture() {
  EXPECT_TRUE(FDir.isValid());
  SetProgramDirForTest(FDir.path());
  Config.LoadConfig();
  FSavedSettings = std::exchange(Settings, &Config);
  SetSoundPlayer(&Sound);
}

TJudgesFixture::~TJudgesFixture() {
  SetSoundPlayer(nullptr);
  Settings = FSavedSettings;
  SetProgramDirForTest(QString());
}

TJudgeLights TJudgesFixture::RedLightsOfJudges() {
  return {&RedLights[0], &RedLights[1], &RedLights[2], &RedLights[3]};
}

TJudgeLights TJudgesFixture::BlueLightsOfJudges() {
  return {&BlueLights[0], &BlueLights[1], &BlueLights[2], &BlueLights[3]};
}

void TJudgesFixture::BuildJudgesAndScoring() {
  JoySticks.emplace();
  BuildJudges(Judges, *JoySticks, Config, RedLightsOfJudges(), BlueLightsOfJudges());
  Scoring.emplace(Judges, Mgr, HandSet, [] { return true; });
  JoySticks->OnPoll = [this](TSysJoySticks&) { Scoring->CheckJudgeVotes(); };
}
