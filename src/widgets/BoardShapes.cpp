#include "widgets/BoardShapes.h"

#include <QPainter>
#include <algorithm>

#include "widgets/ColorConversion.h"

TBoardShape::TBoardShape(QWidget* Board, TColor Color) : QWidget(Board), FColor(Color) {}

void TBoardShape::SetLightColor(TColor Color) {
  if (Color == FColor) return;
  FColor = Color;
  update();
}

void TBoardShape::paintEvent(QPaintEvent*) {
  QPainter Painter(this);
  Painter.setRenderHint(QPainter::Antialiasing);
  Painter.setPen(Qt::NoPen);
  Painter.setBrush(ToQColor(FColor));
  // The corners follow the shape's size, so they scale with the board.
  const qreal Radius = std::min(width(), height()) / 4.0;
  Painter.drawRoundedRect(QRectF(rect()), Radius, Radius);
}

TBoardImage::TBoardImage(QWidget* Board, std::function<QPixmap()> Draw)
    : QWidget(Board), FDraw(std::move(Draw)) {}

void TBoardImage::paintEvent(QPaintEvent*) {
  if (FDraw) {
    FPicture = FDraw();
    FDraw = nullptr;
  }
  if (FPicture.isNull()) return;
  QPainter Painter(this);
  Painter.setRenderHint(QPainter::SmoothPixmapTransform);
  QSize Size = FPicture.size();
  if (Size.width() > width() || Size.height() > height()) {
    Size.scale(size(), Qt::KeepAspectRatio);
  }
  const QRect Target(QPoint((width() - Size.width()) / 2, (height() - Size.height()) / 2), Size);
  Painter.drawPixmap(Target, FPicture);
}
