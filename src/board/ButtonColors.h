#pragma once

#include <QColor>

// The operator's buttons: each group (red side, clock, blue side) in its own
// colour family, captions at least 4.5:1 against their face in every state
// (readable from the operator's seat), a disabled button darker than any
// enabled one.

struct TButtonLook {
  QColor Face;
  QColor Caption;
};

struct TButtonGroupColors {
  TButtonLook Normal;
  TButtonLook Hover;
  TButtonLook Pressed;
  TButtonLook Disabled;
};

extern const TButtonGroupColors RedButtonColors;
extern const TButtonGroupColors ClockButtonColors;
extern const TButtonGroupColors BlueButtonColors;

// The width of a button's border in pixels; its caption lies inside.
constexpr int ButtonBorder = 1;

// The contrast ratio of two colours, from 1 to 21, as WCAG defines it.
double ContrastRatio(const QColor& A, const QColor& B);
