#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

// Every board text is laid out, measured and drawn at one reference size and
// scaled to its own: unhinted outlines scale evenly, and each further size
// would make Qt set up another font engine, which runs all of fontconfig's
// rules again (a large share of the board's start).

// Draws Text as a board text at Font's pixel size in Rect with Flags, as
// QPainter::drawText does.
void DrawBoardText(QPainter& Painter, const QFont& Font, const QRect& Rect, int Flags,
                   const QString& Text);

// The largest pixel size, at most MaxPixels, at which the ink of Text (the
// glyphs' own outline, not the line box) drawn by DrawBoardText in Font inside
// Rect stays inside Box; never below 1. Fallback fonts for scripts the font
// lacks are measured as they are drawn. A Rect a pixel inside the box keeps
// the anti-aliased edges in the box too.
int FittingPixelSize(const QFont& Font, const QString& Text, const QRect& Rect, const QRect& Box,
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
TFittedText FitText(const QFont& Font, const QString& Text, const QRect& Rect, const QRect& Box,
                    Qt::Alignment Alignment, int MaxPixels, int MinPixels);
