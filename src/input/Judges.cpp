#include "input/Judges.h"

#include <algorithm>

#include "input/GamepadDevices.h"
#include "model/Settings.h"

TJudge& TJudgeList::Add() {
  FJudges.push_back(std::make_unique<TJudge>());
  return *FJudges.back();
}

void SeatAtPad(TJudge& Judge, TMyJoyStick& Pad, const TVoteButtonNumbers& Numbers) {
  Judge.JoyStick = &Pad;
  for (size_t Vote = 0; Vote < VoteButtons.size(); ++Vote) {
    Judge.Votes[Vote] = Pad.Buttons.FindButton(Numbers[Vote]);
  }
}

void BuildJudges(TJudgeList& Judges, TSysJoySticks& JoySticks, const TTKDConfig& Config,
                 const TJudgeLights& RedLights, const TJudgeLights& BlueLights) {
  const auto Pads = JoySticks.LockList();
  const int32_t Count = std::min(Pads.Count(), MaxJudges);
  for (int32_t Index = 0; Index < Count; ++Index) {
    TMyJoyStick& Pad = Pads[Index];
    TJudge& Judge = Judges.Add();
    SeatAtPad(Judge, Pad, Config.VoteButtonNumbers);
    Judge.RedIndicator = RedLights[static_cast<size_t>(Index)];
    Judge.BlueIndicator = BlueLights[static_cast<size_t>(Index)];
  }
}
