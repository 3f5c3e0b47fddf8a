#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "input/Judges.h"
#include "model/BoardLight.h"
#include "model/Side.h"

class TMatchViews;

// A judge's light as the match keeps it: each change of its colour reaches
// every attached view, so all of them draw the same lights.
class TMatchJudgeLight : public TBoardLight {
 public:
  // Judge n at position n - 1.
  TMatchJudgeLight(TMatchViews& Views, TSide Side, int32_t Judge)
      : FViews(Views), FSide(Side), FJudge(Judge) {}
  void SetLightColor(TColor Color) override;
  TColor LightColor() const override { return FColor; }

 private:
  TMatchViews& FViews;
  const TSide FSide;
  const int32_t FJudge;
  // The board draws its lights unlit until told otherwise.
  TColor FColor = clUnlitLight;
};

// The lights of judges 1 to 4 on both sides.
class TMatchJudgeLights {
 public:
  explicit TMatchJudgeLights(TMatchViews& Views);
  TJudgeLights Of(TSide Side) const;

 private:
  std::array<std::unique_ptr<TMatchJudgeLight>, MaxJudges> FRed;
  std::array<std::unique_ptr<TMatchJudgeLight>, MaxJudges> FBlue;
};
