#include "board/ButtonColors.h"

#include <algorithm>
#include <cmath>

// Faces: light, under the pointer, pressed. Black captions read on the light
// and mid faces; the saturated blue ones need white.
const TButtonGroupColors RedButtonColors{{{255, 166, 166}, Qt::black},
                                         {{255, 79, 79}, Qt::black},
                                         {{255, 0, 0}, Qt::black},
                                         {{110, 40, 40}, {230, 200, 200}}};
const TButtonGroupColors ClockButtonColors{{{154, 154, 154}, Qt::black},
                                           {{192, 220, 192}, Qt::black},
                                           {{192, 192, 192}, Qt::black},
                                           {{55, 55, 55}, {170, 170, 170}}};
const TButtonGroupColors BlueButtonColors{{{157, 157, 255}, Qt::black},
                                          {{70, 70, 255}, Qt::white},
                                          {{0, 0, 255}, Qt::white},
                                          {{40, 40, 110}, {210, 210, 240}}};

namespace {

double RelativeLuminance(const QColor& Color) {
  auto Linear = [](int Channel) {
    const double C = Channel / 255.0;
    return C <= 0.04045 ? C / 12.92 : std::pow((C + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * Linear(Color.red()) + 0.7152 * Linear(Color.green()) +
         0.0722 * Linear(Color.blue());
}

}  // namespace

double ContrastRatio(const QColor& A, const QColor& B) {
  const double La = RelativeLuminance(A);
  const double Lb = RelativeLuminance(B);
  return (std::max(La, Lb) + 0.05) / (std::min(La, Lb) + 0.05);
}
