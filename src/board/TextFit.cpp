#include "board/TextFit.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace {

// Large enough that the whole-pixel rounding of a glyph's box at this size
// stays below a pixel at the largest board texts.
constexpr int ReferencePixels = 1024;

QFont AtReference(QFont Font) {
  Font.setPixelSize(ReferencePixels);
  return Font;
}

qreal ScaleFromReference(int Pixels) { return std::max(1, Pixels) / qreal(ReferencePixels); }

// A line of text laid out at the reference size as a label lays it out: a
// fallback font's taller ascent lowers the baseline of the whole line.
struct TReferenceLine {
  qreal Advance;
  qreal Height;
  qreal Ascent;
  // The glyphs' own outline, from the line's top left.
  QRectF Ink;
};

// The glyphs' own outline, glyph by glyph in the font that draws each: the
// font metrics' tight box of a line that mixes fonts ("남자 -68kg") takes the
// top of one font's glyphs with the height of another's and loses the Latin
// descenders below a Hangul run.
QRectF InkOf(const QTextLayout& Layout) {
  QRectF Ink;
  for (const QGlyphRun& Run : Layout.glyphRuns()) {
    const QRawFont Font = Run.rawFont();
    const QList<quint32> Glyphs = Run.glyphIndexes();
    const QList<QPointF> Positions = Run.positions();
    for (qsizetype Index = 0; Index < Glyphs.size(); ++Index) {
      Ink |= Font.boundingRect(Glyphs[Index]).translated(Positions[Index]);
    }
  }
  return Ink;
}

TReferenceLine LayOutLine(const QFont& Reference, const QString& Text, bool WithInk) {
  QTextLayout Layout(Text, Reference);
  Layout.beginLayout();
  const QTextLine Line = Layout.createLine();
  Layout.endLayout();
  TReferenceLine Result{Line.naturalTextWidth(), Line.ascent() + Line.descent(), Line.ascent(), {}};
  if (WithInk) Result.Ink = InkOf(Layout);
  return Result;
}

// Where the line's top left lies from Rect's at Scale, in pixels, as
// QPainter::drawText aligns it.
QPointF AlignedOffset(const TReferenceLine& Line, qreal Scale, const QRect& Rect,
                      Qt::Alignment Alignment) {
  qreal Left = 0;
  if (Alignment & Qt::AlignRight) Left = Rect.width() - Line.Advance * Scale;
  if (Alignment & Qt::AlignHCenter) Left = (Rect.width() - Line.Advance * Scale) / 2;
  qreal Top = 0;
  if (Alignment & Qt::AlignBottom) Top = Rect.height() - Line.Height * Scale;
  if (Alignment & Qt::AlignVCenter) Top = (Rect.height() - Line.Height * Scale) / 2;
  return {Left, Top};
}

// How far the line moves down so that its baseline falls on a whole pixel
// row, where Qt's glyph cache would put its glyphs anyway: the ink then lies
// where it is measured.
qreal BaselineShift(const TReferenceLine& Line, qreal Scale, const QRect& Rect,
                    const QPointF& Offset) {
  const qreal Baseline = Rect.top() + Offset.y() + Line.Ascent * Scale;
  return std::ceil(Baseline) - Baseline;
}

QRectF PlacedInk(const TReferenceLine& Line, qreal Scale, const QRect& Rect,
                 Qt::Alignment Alignment) {
  const QPointF Offset = AlignedOffset(Line, Scale, Rect, Alignment);
  const QPointF TopLeft =
      QPointF(Rect.topLeft()) + Offset + QPointF(0, BaselineShift(Line, Scale, Rect, Offset));
  return QRectF(TopLeft + Line.Ink.topLeft() * Scale, Line.Ink.size() * Scale);
}

}  // namespace

void DrawBoardText(QPainter& Painter, const QFont& Font, const QRect& Rect, int Flags,
                   const QString& Text) {
  const QFont Reference = AtReference(Font);
  const qreal Scale = ScaleFromReference(Font.pixelSize());
  const Qt::Alignment Alignment(Flags & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask));
  const TReferenceLine Line = LayOutLine(Reference, Text, false);
  const qreal Shift = BaselineShift(Line, Scale, Rect, AlignedOffset(Line, Scale, Rect, Alignment));
  Painter.save();
  Painter.translate(QPointF(Rect.topLeft()) + QPointF(0, Shift));
  Painter.scale(Scale, Scale);
  Painter.setFont(Reference);
  Painter.drawText(QRectF(0, 0, Rect.width() / Scale, Rect.height() / Scale), Flags, Text);
  Painter.restore();
}

int FittingPixelSize(const QFont& Font, const QString& Text, const QRect& Rect, const QRect& Box,
                     Qt::Alignment Alignment, int MaxPixels) {
  const QRectF Inside(Box);
  if (Text.trimmed().isEmpty()) return std::max(1, MaxPixels);
  // The same outline at every size: laid out and measured once.
  const TReferenceLine Line = LayOutLine(AtReference(Font), Text, true);
  // From the largest size down, each step by the overflow's proportion; the
  // first size that fits from above is taken.
  int Pixels = std::max(1, MaxPixels);
  while (Pixels > 1) {
    // Glyphs drawn from Qt's glyph cache sit at quarter pixels across: their
    // ink may reach a pixel past the outline on either side.
    const QRectF Ink =
        PlacedInk(Line, ScaleFromReference(Pixels), Rect, Alignment).adjusted(-1, 0, 1, 0);
    if (Inside.contains(Ink)) break;
    const double Ratio = std::min(Inside.width() / Ink.width(), Inside.height() / Ink.height());
    Pixels = std::min(Pixels - 1, static_cast<int>(Pixels * Ratio));
  }
  return std::max(1, Pixels);
}

TFittedText FitText(const QFont& Font, const QString& Text, const QRect& Rect, const QRect& Box,
                    Qt::Alignment Alignment, int MaxPixels, int MinPixels) {
  const int Whole = FittingPixelSize(Font, Text, Rect, Box, Alignment, MaxPixels);
  if (Whole >= MinPixels) return {Whole, Text};
  const qreal Width = Rect.intersected(Box).width();
  // A size the box's height cuts down lets more of the text in at that size.
  const QFontMetricsF Reference(AtReference(Font));
  int Pixels = std::max(1, std::min(MinPixels, MaxPixels));
  for (;;) {
    const QString Shown =
        Reference.elidedText(Text, Qt::ElideRight, Width / ScaleFromReference(Pixels));
    const int Fitted = FittingPixelSize(Font, Shown, Rect, Box, Alignment, Pixels);
    if (Fitted == Pixels || Fitted <= 1) return {Fitted, Shown};
    Pixels = Fitted;
  }
}
