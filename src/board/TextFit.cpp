#include "board/TextFit.h"

#include <QFontMetricsF>
#include <QTextLayout>

QRectF TextInkRect(const QFont& Font, const QString& Text, const QRect& Rect,
                   Qt::Alignment Alignment) {
  // The line as a label lays it out: a fallback font's taller ascent lowers
  // the baseline of the whole line.
  QTextLayout Layout(Text, Font);
  Layout.beginLayout();
  const QTextLine Line = Layout.createLine();
  Layout.endLayout();
  const qreal Advance = Line.naturalTextWidth();
  const qreal LineHeight = Line.ascent() + Line.descent();
  qreal Left = Rect.left();
  if (Alignment & Qt::AlignRight) Left = Rect.left() + Rect.width() - Advance;
  if (Alignment & Qt::AlignHCenter) Left = Rect.left() + (Rect.width() - Advance) / 2;
  qreal Top = Rect.top();
  if (Alignment & Qt::AlignBottom) Top = Rect.top() + Rect.height() - LineHeight;
  if (Alignment & Qt::AlignVCenter) Top = Rect.top() + (Rect.height() - LineHeight) / 2;
  return QFontMetricsF(Font).tightBoundingRect(Text).translated(Left, Top + Line.ascent());
}

int FittingPixelSize(QFont Font, const QString& Text, const QRect& Rect, const QRect& Box,
                     Qt::Alignment Alignment, int MaxPixels) {
  const QRectF Inside(Box);
  if (Text.trimmed().isEmpty()) return std::max(1, MaxPixels);
  // From the largest size down, each step by the overflow's proportion. Tiny
  // sizes do not scale evenly (hinting), so the first size that fits from
  // above is taken rather than searched for.
  int Pixels = std::max(1, MaxPixels);
  while (Pixels > 1) {
    Font.setPixelSize(Pixels);
    const QRectF Ink = TextInkRect(Font, Text, Rect, Alignment);
    if (Inside.contains(Ink)) break;
    const double Ratio = std::min(Inside.width() / Ink.width(), Inside.height() / Ink.height());
    Pixels = std::min(Pixels - 1, static_cast<int>(Pixels * Ratio));
  }
  return std::max(1, Pixels);
}

TFittedText FitText(QFont Font, const QString& Text, const QRect& Rect, const QRect& Box,
                    Qt::Alignment Alignment, int MaxPixels, int MinPixels) {
  const int Whole = FittingPixelSize(Font, Text, Rect, Box, Alignment, MaxPixels);
  if (Whole >= MinPixels) return {Whole, Text};
  const qreal Width = Rect.intersected(Box).width();
  // A size the box's height cuts down lets more of the text in at that size.
  int Pixels = std::max(1, std::min(MinPixels, MaxPixels));
  for (;;) {
    Font.setPixelSize(Pixels);
    const QString Shown = QFontMetricsF(Font).elidedText(Text, Qt::ElideRight, Width);
    const int Fitted = FittingPixelSize(Font, Shown, Rect, Box, Alignment, Pixels);
    if (Fitted == Pixels || Fitted <= 1) return {Fitted, Shown};
    Pixels = Fitted;
  }
}
