#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "model/DorvaneError.h"

class QLabel;

// Scales a window's elements in proportion to the window. TFormResizer
// records the design geometry of every element its owner holds; each
// ResizeAll recomputes positions, sizes and font sizes from those design
// values, so repeated resizing never accumulates rounding errors.

class EResizerException : public TDorvaneError {
 public:
  using TDorvaneError::TDorvaneError;
};

// ---- The arithmetic, free of widgets ----

// Every rounding of the resizer goes to the nearest integer, halves to even
// (572.5 gives 572).
int RoundHalfEven(double X);

// Font sizes are kept in points at 96 pixels per inch and applied in pixels,
// so the board looks the same whatever the screen's DPI setting says.
int PixelsToPoints(int Pixels);
int PointsToPixels(int Points);

enum class TTextAlignment { Left = 0, Right = 1, Center = 2 };

struct TBounds {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const TBounds&) const = default;
};

// Which bounds follow the window; a label keeps its width.
struct TScaleFlags {
  bool Height = true;
  bool Left = true;
  bool Top = true;
  bool Width = true;
};

// The bounds of an element designed at Design for the given ratios. Bounds
// whose flag is clear keep their Current value; a right-aligned element keeps
// its right edge and a centred one its centre at the scaled design position.
TBounds ScaledBounds(const TBounds& Design, const TBounds& Current, const TScaleFlags& Flags,
                     TTextAlignment Alignment, double HeightRatio, double WidthRatio);

// A design font size scaled by the height ratio and held within the limits;
// the minimum wins should the limits cross.
int ScaledFontSize(int DesignPoints, double HeightRatio, int MinPoints, int MaxPoints);

// ---- Labels that size themselves to their text ----

// Qt labels have no auto-size of their own: a label marked here is fitted to
// its text by FitLabelToText, which the window calls after changing the text
// and the resizer calls after changing the font.
void SetLabelAutoSize(QLabel* Label, bool AutoSize);
bool LabelAutoSize(const QWidget* Label);
// Sizes the label to its text; a right-aligned label keeps its right edge.
void FitLabelToText(QLabel* Label);

// ---- The resizer ----

// One element's design values and arithmetic.
class TSingleResizer {
 public:
  TSingleResizer(QWidget* Control, QWidget* Owner, bool ResizeFont, int MinFontSize,
                 int MaxFontSize);

  void Resize(int OwnerHeight, int OwnerWidth, double HeightRatio, double WidthRatio);
  // The element, or null once it has been destroyed.
  QWidget* Control() const { return FControl; }

 private:
  QPointer<QWidget> FControl;  // cleared by Qt when the element is destroyed
  TScaleFlags FScale;
  bool FResizeFont;
  int FMinFontSize;
  int FMaxFontSize;
  // Every Qt widget has a font, so there is no "has a font" switch; the font
  // is read from the element at each resize to keep its other attributes.
  int FDesignFontSize;
  TBounds FDesign;
  int FOwnerHeight;
  int FOwnerWidth;
  QPointer<QWidget> FOwner;
};

class TFormResizer : public QObject {
 public:
  using TPostResizeEvent = std::function<void(TFormResizer& Sender, QWidget* Comp,
                                              double HeightRatio, double WidthRatio)>;

  // Owned by the widget it scales (as its QObject child). Throws
  // EResizerException without an owner or when the owner is not a widget.
  explicit TFormResizer(QObject* Owner);
  ~TFormResizer() override;

  bool ResizeFonts = false;
  int MinFontSize = 8;   // points
  int MaxFontSize = 48;  // points
  bool EnforceMinSize = false;
  // Raised after each element is rescaled; Comp is that element.
  TPostResizeEvent OnPostResize;

  // Records the design geometry of every element, once; later calls do nothing.
  virtual void InitializeForm();
  // Rescales every recorded element to the owner's current size.
  virtual void ResizeAll();

 protected:
  virtual void DoPostResize(QWidget* Comp, double HeightRatio, double WidthRatio);

 private:
  QWidget* OwnerWidget() const;

  int FOwnerHeight = 0;
  int FOwnerWidth = 0;
  std::vector<std::unique_ptr<TSingleResizer>> FResizers;
  bool FInitialized = false;
};
