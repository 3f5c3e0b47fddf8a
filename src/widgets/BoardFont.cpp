#include "widgets/BoardFont.h"

#include <QFontDatabase>
#include <QStringList>

#include "widgets/BoardResources.h"

QString BoardFontFamily() {
  static const QString Family = [] {
    // An installed Liberation Sans Bold is the same font: reading the shipped
    // copy as well would cost the start several milliseconds.
    const QString Liberation = QStringLiteral("Liberation Sans");
    if (QFontDatabase::styles(Liberation).contains(QStringLiteral("Bold"))) return Liberation;
    InitBoardResources();
    const int Id = QFontDatabase::addApplicationFont(":/fonts/LiberationSans-Bold.ttf");
    const QStringList Families = QFontDatabase::applicationFontFamilies(Id);
    // Without the shipped file the font matcher still finds a look-alike for Arial.
    return Families.isEmpty() ? QStringLiteral("Arial") : Families.first();
  }();
  return Family;
}

QFont BoardFont(int PixelSize) {
  QFont Font(BoardFontFamily());
  // Hangul in a bold face beside the bold Latin letters.
  Font.setFamilies({BoardFontFamily(), QStringLiteral("NanumGothic")});
  Font.setBold(true);
  Font.setPixelSize(PixelSize);
  Font.setHintingPreference(QFont::PreferNoHinting);
  return Font;
}
