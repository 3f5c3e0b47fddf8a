#include "match/MatchJudgeLights.h"

#include "match/MatchViews.h"

void TMatchJudgeLight::SetLightColor(TColor Color) {
  // The lights are set at every poll of the gamepads; the views hear of changes only.
  if (Color == FColor) return;
  FColor = Color;
  FViews.ShowJudgeLight(FSide, FJudge, Color);
}

TMatchJudgeLights::TMatchJudgeLights(TMatchViews& Views) {
  for (int32_t Judge = 0; Judge < MaxJudges; ++Judge) {
    const auto Index = static_cast<size_t>(Judge);
    FRed[Index] = std::make_unique<TMatchJudgeLight>(Views, TSide::Red, Judge);
    FBlue[Index] = std::make_unique<TMatchJudgeLight>(Views, TSide::Blue, Judge);
  }
}

TJudgeLights TMatchJudgeLights::Of(TSide Side) const {
  const auto& Lights = Side == TSide::Red ? FRed : FBlue;
  TJudgeLights Result{};
  for (size_t Index = 0; Index < Result.size(); ++Index) Result[Index] = Lights[Index].get();
  return Result;
}
