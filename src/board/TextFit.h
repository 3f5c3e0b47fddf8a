#pragma once

#include <QFont>
#include <QRect>
#include <QRectF>
#include <QString>

// Where a label draws the ink of Text (the glyphs' own outline, not the line
// box) in Font inside Rect with the given alignment; fallback fonts for
// scripts the font lacks are measured as they are drawn.
QRectF TextInkRect(const QFont& Font, const QString& Text, const QRect& Rect,
                   Qt::Alignment Alignment);

// The largest pixel size, at most MaxPixels, at which the ink of Text drawn in
// Rect stays inside Box; never below 1. A Rect a pixel inside the box keeps
// the anti-aliased edges in the box too.
int FittingPixelSize(QFont Font, const QString& Text, const QRect& Rect, const QRect& Box,
                     Qt::Alignment Alignment, int MaxPixels);

// What a text box shows: the text, or its start with an ellipsis, and the
// pixel size to draw it at.
struct TFittedText {
  int Pixels;
  QString Text;
};

// Text at the largest size that fits (FittingPixelSize). Where that size is
// below MinPixels the text could no longer be read: it is cut with an
// ellipsis instead, so that it fits at MinPixels, or at the largest size the
// box's height allows when that is smaller.
TFittedText FitText(QFont Font, const QString& Text, const QRect& Rect, const QRect& Box,
                    Qt::Alignment Alignment, int MaxPixels, int MinPixels);
