#include "board/BoardText.h"

#include <QPainter>
#include <QStyle>

QString TBoardText::ShownText() const { return text() == FShortenedFrom ? FShown : text(); }

void TBoardText::SetShownText(const QString& Shown) {
  if (ShownText() == Shown) return;
  FShortenedFrom = text();
  FShown = Shown;
  update();
}

void TBoardText::paintEvent(QPaintEvent* Event) {
  if (ShownText() == text()) {
    QLabel::paintEvent(Event);
    return;
  }
  // As the label draws its plain text, with the shortened text in its place.
  QPainter Painter(this);
  style()->drawItemText(&Painter, contentsRect(),
                        int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                        isEnabled(), ShownText(), foregroundRole());
}
