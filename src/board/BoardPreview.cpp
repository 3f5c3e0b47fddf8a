#include "board/BoardPreview.h"

#include <QPainter>

TBoardPreview::TBoardPreview(QWidget& Board, QWidget* Parent) : QWidget(Parent), FBoard(Board) {
  setObjectName(QStringLiteral("BoardPreview"));
  setMinimumSize(160, 90);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize TBoardPreview::sizeHint() const { return {480, 300}; }

QRect TBoardPreview::BoardArea() const {
  const QSize Board = FBoard.size().isEmpty() ? QSize(16, 9) : FBoard.size();
  const QSize Fitted = Board.scaled(size(), Qt::KeepAspectRatio);
  return {QPoint((width() - Fitted.width()) / 2, (height() - Fitted.height()) / 2), Fitted};
}

void TBoardPreview::paintEvent(QPaintEvent*) {
  QPainter Painter(this);
  Painter.fillRect(rect(), palette().window());
  if (FBoard.size().isEmpty()) return;
  const QRect Area = BoardArea();
  Painter.setRenderHint(QPainter::SmoothPixmapTransform);
  Painter.translate(Area.topLeft());
  Painter.scale(double(Area.width()) / FBoard.width(), double(Area.height()) / FBoard.height());
  // The board paints itself through the scaled painter: the same drawing, not a copy of pixels.
  FBoard.render(&Painter, QPoint(), QRegion(),
                QWidget::DrawWindowBackground | QWidget::DrawChildren);
}
