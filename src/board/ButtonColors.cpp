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

QString Rgb(const QColor& Color) {
  return QStringLiteral("rgb(%1, %2, %3)").arg(Color.red()).arg(Color.green()).arg(Color.blue());
}

QString StateRule(const QString& Button, const char* State, const TButtonLook& Look) {
  return QStringLiteral("%1%2 { background-color: %3; color: %4; }")
      .arg(Button, QLatin1String(State), Rgb(Look.Face), Rgb(Look.Caption));
}

QString GroupStyle(const char* Group, const TButtonGroupColors& Colors) {
  const QString Button =
      QStringLiteral("QPushButton[%1=\"%2\"]").arg(QLatin1String(ButtonGroupProperty),
                                                    QLatin1String(Group));
  return QStringLiteral("%1 { border: %2px solid rgb(64, 64, 64); border-radius: 3px; "
                        "padding: 0px; }\n")
             .arg(Button)
             .arg(ButtonBorder) +
         StateRule(Button, "", Colors.Normal) + StateRule(Button, ":hover", Colors.Hover) +
         StateRule(Button, ":pressed", Colors.Pressed) +
         StateRule(Button, ":disabled", Colors.Disabled);
}

double RelativeLuminance(const QColor& Color) {
  auto Linear = [](int Channel) {
    const double C = Channel / 255.0;
    return C <= 0.04045 ? C / 12.92 : std::pow((C + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * Linear(Color.red()) + 0.7152 * Linear(Color.green()) +
         0.0722 * Linear(Color.blue());
}

}  // namespace

QString ButtonStyles() {
  return GroupStyle("red", RedButtonColors) + GroupStyle("clock", ClockButtonColors) +
         GroupStyle("blue", BlueButtonColors);
}

double ContrastRatio(const QColor& A, const QColor& B) {
  const double La = RelativeLuminance(A);
  const double Lb = RelativeLuminance(B);
  return (std::max(La, Lb) + 0.05) / (std::min(La, Lb) + 0.05);
}
