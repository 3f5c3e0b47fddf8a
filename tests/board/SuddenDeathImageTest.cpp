#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "board/SuddenDeathImage.h"

namespace {

TEST(SuddenDeathImage, SkullOnRedDiscWithDarkRingOnTransparentGround) {
  const QImage Image = SuddenDeathPixmap().toImage();
  ASSERT_EQ(Image.size(), QSize(67, 67));

  for (const QPoint Corner : {QPoint(0, 0), QPoint(66, 0), QPoint(0, 66), QPoint(66, 66)}) {
    EXPECT_EQ(qAlpha(Image.pixel(Corner)), 0) << Corner.x() << "," << Corner.y();
  }
  // The disc left and right of the skull is red.
  for (const QPoint Disc : {QPoint(12, 30), QPoint(55, 30), QPoint(33, 10)}) {
    const QColor Colour = Image.pixelColor(Disc);
    EXPECT_EQ(Colour.alpha(), 255);
    EXPECT_GT(Colour.red(), 120);
    EXPECT_LT(Colour.green(), 60);
    EXPECT_LT(Colour.blue(), 60);
  }
  // The ring around it is a dark red.
  const QColor Ring = Image.pixelColor(33, 3);
  EXPECT_EQ(Ring.alpha(), 255);
  EXPECT_LT(Ring.red(), 110);
  EXPECT_LT(Ring.green(), 30);
  EXPECT_LT(Ring.blue(), 30);
  // The skull's forehead is white.
  const QColor Skull = Image.pixelColor(33, 20);
  EXPECT_GT(Skull.red(), 230);
  EXPECT_GT(Skull.green(), 230);
  EXPECT_GT(Skull.blue(), 230);
}

}  // namespace
