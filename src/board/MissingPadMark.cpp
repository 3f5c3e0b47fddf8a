#include "board/MissingPadMark.h"

#include <QPainter>

TMissingPadMark::TMissingPadMark(QWidget* Light) : QWidget(Light) {
  setObjectName(Light->objectName() + QStringLiteral("Missing"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(Light->rect());
  hide();
}

void TMissingPadMark::paintEvent(QPaintEvent*) {
  QPainter Painter(this);
  Painter.setRenderHint(QPainter::Antialiasing);
  QPen Pen(QColor(128, 128, 128));
  Pen.setWidthF(std::max(1.0, height() / 12.0));
  Pen.setStyle(Qt::DashLine);
  Painter.setPen(Pen);
  const QRectF Frame = QRectF(rect()).adjusted(1, 1, -1, -1);
  const qreal Radius = std::min(width(), height()) / 4.0;
  Painter.drawRoundedRect(Frame, Radius, Radius);
  Pen.setStyle(Qt::SolidLine);
  Painter.setPen(Pen);
  Painter.drawLine(Frame.bottomLeft() + QPointF(Radius, 0), Frame.topRight() - QPointF(Radius, 0));
}
