#include "input/Judges.h"

#include <algorithm>

#include "input/GamepadDevices.h"
#include "model/Settings.h"

TJudge& TJudgeList::Add() {
  FJudges.push_back(std::make_unique<TJudge>());
  return *FJudges.back();
}

void BuildJudges(TJudgeList& Judges, TSysJoySticks& JoySticks, const TTKDConfig& Config,
                 const TJudgeLights& RedLights, const TJudgeLights& BlueLights) {
  const auto Pads = JoySticks.LockList();
  const int32_t Count = std::min(Pads.Count(), MaxJudges);
  for (int32_t Index = 0; Index < Count; ++Index) {
    TMyJoyStick& Pad = Pads[Index];
    TJudge& Judge = Judges.Add();
    Judge.JoyStick = &Pad;
    Judge.RedOnePoint = Pad.Buttons.FindButton(Config.R1);
    Judge.BlueOnePoint = Pad.Buttons.FindButton(Config.B1);
    Judge.RedTwoPoint = Pad.Buttons.FindButton(Config.R2);
    Judge.BlueTwoPoint = Pad.Buttons.FindButton(Config.B2);
    Judge.RedThreePoint = Pad.Buttons.FindButton(Config.R3);
    Judge.BlueThreePoint = Pad.Buttons.FindButton(Config.B3);
    Judge.RedFourPoint = Pad.Buttons.FindButton(Config.R4);
    Judge.RedFivePoint = Pad.Buttons.FindButton(Config.R5);
    Judge.BlueFourPoint = Pad.Buttons.FindButton(Config.B4);
    Judge.BlueFivePoint = Pad.Buttons.FindButton(Config.B5);
    Judge.RedIndicator = RedLights[static_cast<size_t>(Index)];
    Judge.BlueIndicator = BlueLights[static_cast<size_t>(Index)];
  }
}
