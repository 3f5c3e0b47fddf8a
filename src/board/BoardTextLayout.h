#pragma once

#include <QRect>
#include <QSize>
#include <QString>

// Where each text of the board goes at a client size. Rect is where the layout
// puts the label and lays its text out (it may reach past the box); Box is
// what its ink may fill. The boxes of no two texts meet, none reaches under
// the judges' lights or the penalty markers, and all lie inside the client
// area, so a text fitted to its box never runs into another one.
struct TTextPlace {
  QRect Rect;
  QRect Box;
  // Rect cut back to the box's width: a text too wide to keep the layout's
  // centre at its full size is laid out here, where it can be largest.
  QRect Narrowed() const;
};

// The place of the board's text label Name (lblRedScore, lblDivision, ...);
// an empty place for a name that is not one of the board's texts.
TTextPlace BoardTextPlace(const QString& Name, QSize Client);

// The largest font size in points at which the board keeps its 1080-line
// proportions: 480 up to 1080 lines, then growing with the height.
int BoardMaxFontSize(int ClientHeight);
