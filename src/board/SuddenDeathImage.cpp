#include "board/SuddenDeathImage.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

const QColor kRing(85, 10, 10);
const QColor kDiscCentre(235, 30, 30);
const QColor kDiscEdge(150, 0, 0);
const QColor kBone(250, 250, 245);
const QColor kOutline(60, 10, 10);

// A bone from one end to the other: a shaft with two knobs at each end.
QPainterPath Bone(QPointF From, QPointF To) {
  const QPointF Along = To - From;
  const double Length = std::hypot(Along.x(), Along.y());
  const QPointF Across(-Along.y() / Length * 2.6, Along.x() / Length * 2.6);
  QPainterPath Shaft;
  Shaft.moveTo(From + Across * 0.6);
  Shaft.lineTo(To + Across * 0.6);
  Shaft.lineTo(To - Across * 0.6);
  Shaft.lineTo(From - Across * 0.6);
  Shaft.closeSubpath();
  QPainterPath Path = Shaft;
  for (const QPointF End : {From, To}) {
    for (const double Side : {1.0, -1.0}) {
      QPainterPath Knob;
      Knob.addEllipse(End + Across * Side * 0.75, 3.2, 3.2);
      Path = Path.united(Knob);
    }
  }
  return Path;
}

QPainterPath Skull() {
  QPainterPath Cranium;
  Cranium.addEllipse(QPointF(33.5, 27.5), 13.5, 12.5);
  QPainterPath Jaw;
  Jaw.addRoundedRect(QRectF(25.5, 32, 16, 13), 4, 4);
  return Cranium.united(Jaw);
}

QPainterPath SkullHoles() {
  QPainterPath Holes;
  Holes.addEllipse(QPointF(28.3, 29), 3.6, 4.2);
  Holes.addEllipse(QPointF(38.7, 29), 3.6, 4.2);
  QPainterPath Nose;
  Nose.moveTo(33.5, 33);
  Nose.lineTo(31.3, 37.6);
  Nose.lineTo(35.7, 37.6);
  Nose.closeSubpath();
  return Holes.united(Nose);
}

}  // namespace

QPixmap SuddenDeathPixmap() {
  QImage Image(kSuddenDeathImageSize, kSuddenDeathImageSize, QImage::Format_ARGB32_Premultiplied);
  Image.fill(Qt::transparent);
  QPainter Painter(&Image);
  Painter.setRenderHint(QPainter::Antialiasing);
  const QPointF Centre(kSuddenDeathImageSize / 2.0, kSuddenDeathImageSize / 2.0);

  Painter.setPen(Qt::NoPen);
  Painter.setBrush(kRing);
  Painter.drawEllipse(Centre, 32.5, 32.5);
  QRadialGradient Shade(Centre - QPointF(6, 8), 34);
  Shade.setColorAt(0, kDiscCentre);
  Shade.setColorAt(1, kDiscEdge);
  Painter.setBrush(Shade);
  Painter.drawEllipse(Centre, 28, 28);

  Painter.setPen(QPen(kOutline, 0.8));
  Painter.setBrush(kBone);
  Painter.drawPath(Bone({17, 38}, {50, 56}).united(Bone({50, 38}, {17, 56})));
  Painter.drawPath(Skull());

  Painter.setPen(Qt::NoPen);
  Painter.setBrush(kOutline);
  Painter.drawPath(SkullHoles());
  Painter.setPen(QPen(kOutline, 1.1));
  for (const double X : {30.0, 33.5, 37.0}) Painter.drawLine(QPointF(X, 40.5), QPointF(X, 44.5));
  Painter.end();
  return QPixmap::fromImage(Image);
}
