#include "board/BoardButton.h"

#include <QPainter>

#include "board/TextFit.h"

namespace {

const QColor BorderColor(64, 64, 64);
constexpr qreal CornerRadius = 3;

}  // namespace

TBoardButton::TBoardButton(const QString& Caption, const TButtonGroupColors& Colors,
                           QWidget* Parent)
    : QPushButton(Caption, Parent), FColors(Colors) {}

const TButtonLook& TBoardButton::CurrentLook() const {
  if (!isEnabled()) return FColors.Disabled;
  if (isDown()) return FColors.Pressed;
  if (underMouse()) return FColors.Hover;
  return FColors.Normal;
}

void TBoardButton::paintEvent(QPaintEvent*) {
  const TButtonLook& Look = CurrentLook();
  QPainter Painter(this);
  Painter.setRenderHint(QPainter::Antialiasing);
  // The border's line runs half a width inside the edge: all of it shows.
  const qreal Half = ButtonBorder / 2.0;
  Painter.setPen(QPen(BorderColor, ButtonBorder));
  Painter.setBrush(Look.Face);
  Painter.drawRoundedRect(QRectF(rect()).adjusted(Half, Half, -Half, -Half), CornerRadius,
                          CornerRadius);
  Painter.setPen(Look.Caption);
  DrawBoardText(Painter, font(),
                rect().adjusted(ButtonBorder, ButtonBorder, -ButtonBorder, -ButtonBorder),
                Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

// The face follows the pointer.
void TBoardButton::enterEvent(QEnterEvent* Event) {
  QPushButton::enterEvent(Event);
  update();
}

void TBoardButton::leaveEvent(QEvent* Event) {
  QPushButton::leaveEvent(Event);
  update();
}
