#pragma once

#include "model/BoardLight.h"

// A judge's light that only remembers its colour.
class TTestLight : public TBoardLight {
 public:
  void SetLightColor(TColor Color) override { FColor = Color; }
  TColor LightColor() const override { return FColor; }

 private:
  TColor FColor = clUnlitLight;
};
