#pragma once

#include "model/Colors.h"

// A judge's light on the board (shpR1..shpB4). The board window implements
// it; judges and the vote check only set and read its colour.
class TBoardLight {
 public:
  virtual ~TBoardLight() = default;
  virtual void SetLightColor(TColor Color) = 0;
  virtual TColor LightColor() const = 0;
};
