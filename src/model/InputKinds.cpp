#include "model/InputKinds.h"

#include <array>

QString InputKindText(uint8_t Code) {
  static constexpr std::array<const char*, 10> Texts = {
      "3 blue points", "2 blue points", "1 blue point", "1 blue penalty", "0.5 blue penalty",
      "3 red points",  "2 red points",  "1 red point",  "1 red penalty",  "0.5 red penalty"};
  return Code < Texts.size() ? QString::fromLatin1(Texts[Code]) : QString();
}
