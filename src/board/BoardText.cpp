#include "board/BoardText.h"

#include <QPainter>
#include <QStyle>

#include "board/TextFit.h"

QString TBoardText::ShownText() const { return text() == FShortenedFrom ? FShown : text(); }

void TBoardText::SetShownText(const QString& Shown) {
  if (ShownText() == Shown) return;
  FShortenedFrom = text();
  FShown = Shown;
  update();
}

// Always as plain text: a name is never read as markup.
void TBoardText::paintEvent(QPaintEvent*) {
  QPainter Painter(this);
  Painter.setPen(palette().color(foregroundRole()));
  DrawBoardText(Painter, font(), contentsRect(),
                int(QStyle::visualAlignment(layoutDirection(), alignment())), ShownText());
}
