#include "support/core/JudgesFixture.h"

#include "platform/ProgramDir.h"

TJudgesFixture::TJudgesFixture() {
  EXPECT_TRUE(FDir.isValid());
  SetProgramDirForTest(FDir.path());
  Config.LoadConfig();
  SetSoundPlayer(&Sound);
}

TJudgesFixture::~TJudgesFixture() {
  SetSoundPlayer(nullptr);
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
  Scoring.emplace(Judges, Mgr, HandSet, Config, [] { return true; }, PlayCue);
  JoySticks->OnPoll = [this](TSysJoySticks&) { Scoring->CheckJudgeVotes(); };
}
