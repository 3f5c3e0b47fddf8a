#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

#include "model/BoardLight.h"

// A rounded rectangle on the board: the judges' lights (shpR1..shpB4) and the
// half-penalty markers. Mouse presses go on to the board (popup menu).
class TBoardShape : public QWidget, public TBoardLight {
 public:
  TBoardShape(QWidget* Board, TColor Color);

  void SetLightColor(TColor Color) override;
  TColor LightColor() const override { return FColor; }

 protected:
  void paintEvent(QPaintEvent* Event) override;

 private:
  TColor FColor;
};

// A picture scaled down proportionally into its box and centred there.
class TBoardImage : public QWidget {
 public:
  // Draw makes the picture at the first paint: a picture seldom shown costs
  // the start nothing.
  TBoardImage(QWidget* Board, std::function<QPixmap()> Draw);

 protected:
  void paintEvent(QPaintEvent* Event) override;

 private:
  std::function<QPixmap()> FDraw;
  QPixmap FPicture;
};
