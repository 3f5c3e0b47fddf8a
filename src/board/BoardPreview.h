#pragma once

#include <QWidget>

// The audience board drawn small, by the board's own painting, in the
// console: what the audience sees, as it is now. Redrawn on every update().
class TBoardPreview : public QWidget {
 public:
  TBoardPreview(QWidget& Board, QWidget* Parent);
  QSize sizeHint() const override;
  // Where the board lands in this widget, keeping its proportions.
  QRect BoardArea() const;

 protected:
  void paintEvent(QPaintEvent* Event) override;

 private:
  QWidget& FBoard;
};
