#include "input/ElectronicScoring.h"

#include <QString>
#include <QTimer>
#include <algorithm>
#include <array>
#include <optional>

#include "input/GamepadDevices.h"
#include "input/Judges.h"
#include "input/JudgesAudit.h"
#include "model/BoardLight.h"
#include "model/ScoreManager.h"
#include "model/Settings.h"
#include "model/Side.h"
#include "model/VoteButtons.h"
#include "platform/TimeSource.h"

namespace {

// The colour of the lowest value pressed on Side within the light's time;
// none when the side had no press. The 4 and 5 show the 3's colour, as they
// sound its cue.
std::optional<TColor> PressedValueColor(const TJudge& Judge, TSide Side, double Now,
                                        const TTKDConfig& Config) {
  const int32_t MaxPoints = MaxVotePoints(Config);
  for (size_t Vote = 0; Vote < VoteButtons.size(); ++Vote) {
    const TVoteButtonDef& Def = VoteButtons[Vote];
    if (Def.Side != Side || Def.Points > MaxPoints) continue;
    const TJoyButton* Button = Judge.Votes[Vote];
    if (!Button || !Button->PressedWithin(JudgeLightMs, Now)) continue;
    if (Def.Points == 1) return Config.OnePointColor;
    if (Def.Points == 2) return Config.TwoPointColor;
    return Config.ThreePointColor;
  }
  return std::nullopt;
}

int32_t ShowSideLight(TBoardLight* Light, std::optional<TColor> Color) {
  if (Light) Light->SetLightColor(Color.value_or(clUnlitLight));
  return Color ? 1 : 0;
}

int32_t JudgesOnBoard(const TJudgeList& Judges) { return std::min(Judges.Count(), MaxJudges); }

void Award(TDorvaneMgr& ScoreMgr, const TVoteButtonDef& Vote,
           const TElectronicScoring::TTechniqueEvent& OnTechnique) {
  if (OnTechnique) OnTechnique(Vote.Side, Vote.Points);
  if (Vote.Side == TSide::Red) {
    ScoreMgr.SetRedScore(ScoreMgr.RedScore() + Vote.Points);
  } else {
    ScoreMgr.SetBlueScore(ScoreMgr.BlueScore() + Vote.Points);
  }
}

}  // namespace

int32_t ShowJudgeLights(const TJudge& Judge, TBoardLight* RedLight, TBoardLight* BlueLight,
                        double Now, const TTKDConfig& Config) {
  return ShowSideLight(RedLight, PressedValueColor(Judge, TSide::Red, Now, Config)) +
         ShowSideLight(BlueLight, PressedValueColor(Judge, TSide::Blue, Now, Config));
}

void KeepRefreshing(QTimer& Timer, bool AnyLit) {
  if (AnyLit && !Timer.isActive()) Timer.start();
  if (!AnyLit && Timer.isActive()) Timer.stop();
}

TElectronicScoring::TElectronicScoring(TJudgeList& Judges, TDorvaneMgr& ScoreMgr,
                                       QTimer& HandSetTimer, const TTKDConfig& Config,
                                       TClockRunning ClockRunning, TCuePlayer CuePlayer)
    : FJudges(Judges),
      FScoreMgr(ScoreMgr),
      tmrHandSet(HandSetTimer),
      FConfig(Config),
      FClockRunning(std::move(ClockRunning)),
      FCuePlayer(std::move(CuePlayer)) {
  FPressLog.OnLine = [this](const TJudgeAuditLine& Line) { WriteJudgesAuditLine(FConfig, Line); };
}

void TElectronicScoring::CheckJudgeVotes() {
  const double CheckTime = Now();
  FPressLog.Observe(FJudges, CheckTime, FConfig.Transiency);
  tmrHandSetTimer();
  if (!FClockRunning()) return;

  // Below 1 every category would score at every check, votes or not.
  const int32_t Needed = std::max(FConfig.NumButtons, 1);
  const int32_t Judges = JudgesOnBoard(FJudges);
  const int32_t MaxPoints = MaxVotePoints(FConfig);
  // Each vote button is a category of votes, checked in the order of VoteButtons.
  for (size_t Category = 0; Category < VoteButtons.size(); ++Category) {
    const TVoteButtonDef& Def = VoteButtons[Category];
    if (Def.Points > MaxPoints) continue;
    // One vote per judge: each judge has one button per category.
    std::array<TJoyButton*, MaxJudges> Votes{};
    int32_t Counted = 0;
    for (int32_t Index = 0; Index < Judges; ++Index) {
      TJoyButton* Button = FJudges[Index].Votes[Category];
      if (!Button || !Button->Pending) continue;
      // An unplugged pad's presses never vote; a press too old to agree with
      // any later vote is dropped, so it costs no more checks.
      if (Button->Owner.Attached && Button->IsPendingWithin(FConfig.Transiency, CheckTime)) {
        Votes[static_cast<size_t>(Counted++)] = Button;
      } else {
        Button->Pending = false;
      }
    }
    if (Counted < Needed) continue;
    FPressLog.Scored({Votes.begin(), Votes.begin() + Counted}, CheckTime);
    Award(FScoreMgr, Def, OnTechnique);
    FCuePlayer(QString::fromLatin1(Def.Cue));
    // Every counted vote is used up by this point, however many were needed.
    for (int32_t Vote = 0; Vote < Counted; ++Vote)
      Votes[static_cast<size_t>(Vote)]->Pending = false;
  }
}

void TElectronicScoring::PressReleased() {
  if (!tmrHandSet.isActive()) tmrHandSet.start();
}

void TElectronicScoring::tmrHandSetTimer() {
  const double RefreshTime = Now();
  int32_t Lit = 0;
  const int32_t Judges = JudgesOnBoard(FJudges);
  for (int32_t Index = 0; Index < Judges; ++Index) {
    const TJudge& Judge = FJudges[Index];
    Lit += ShowJudgeLights(Judge, Judge.RedIndicator, Judge.BlueIndicator, RefreshTime, FConfig);
  }
  KeepRefreshing(tmrHandSet, Lit > 0);
}
