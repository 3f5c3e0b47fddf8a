#include <gtest/gtest.h>

#include <QFile>
#include <QFontInfo>

#include "widgets/BoardFont.h"
#include "widgets/BoardResources.h"

namespace {

TEST(BoardFont, ShippedLiberationSansBoldInPixels) {
  InitBoardResources();
  EXPECT_TRUE(QFile::exists(":/fonts/LiberationSans-Bold.ttf"));
  EXPECT_TRUE(QFile::exists(":/fonts/LICENSE-LiberationSans.txt"));
  EXPECT_EQ(BoardFontFamily(), "Liberation Sans");

  const QFont Font = BoardFont(347);
  const QFontInfo Info(Font);
  EXPECT_EQ(Info.family(), "Liberation Sans");
  EXPECT_TRUE(Info.bold());
  EXPECT_EQ(Info.pixelSize(), 347);
}

}  // namespace
