#include "board/FormResizer.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QWidget>
#include <algorithm>
#include <cmath>

int RoundHalfEven(double X) {
  // nearbyint follows the default rounding mode, which is to nearest, ties to even.
  return static_cast<int>(std::nearbyint(X));
}

// The toolkit converts between pixels and points like MulDiv: to nearest,
// halves away from zero.
int PixelsToPoints(int Pixels) { return static_cast<int>(std::lround(Pixels * 72.0 / 96.0)); }

int PointsToPixels(int Points) { return static_cast<int>(std::lround(Points * 96.0 / 72.0)); }

TBounds ScaledBounds(const TBounds& Design, const TBounds& Current, const TScaleFlags& Flags,
                     TTextAlignment Alignment, double HeightRatio, double WidthRatio) {
  TBounds Result = Current;
  if (Flags.Height) Result.Height = RoundHalfEven(Design.Height * HeightRatio);
  if (Flags.Width) Result.Width = RoundHalfEven(Design.Width * WidthRatio);
  if (Flags.Left) {
    switch (Alignment) {
      case TTextAlignment::Right:
        Result.Left = RoundHalfEven((Design.Left + Design.Width) * WidthRatio - Result.Width);
        break;
      case TTextAlignment::Center:
        Result.Left =
            RoundHalfEven((Design.Left + Design.Width / 2.0) * WidthRatio - Result.Width / 2.0);
        break;
      case TTextAlignment::Left:
        Result.Left = RoundHalfEven(Design.Left * WidthRatio);
        break;
    }
  }
  if (Flags.Top) Result.Top = RoundHalfEven(Design.Top * HeightRatio);
  return Result;
}

int ScaledFontSize(int DesignPoints, double HeightRatio, int MinPoints, int MaxPoints) {
  int Size = RoundHalfEven(DesignPoints * HeightRatio);
  if (Size > MaxPoints) Size = MaxPoints;
  if (Size < MinPoints) Size = MinPoints;
  return Size;
}

namespace {

constexpr char kAutoSizeProperty[] = "autoSize";

// A label is a text label; a QLabel that shows a picture is an image and
// scales like any other element.
bool IsTextLabel(const QWidget* Widget) {
  const auto* Label = qobject_cast<const QLabel*>(Widget);
  return Label && Label->pixmap().isNull();
}

// Panels hold elements of their own; other widgets' children (a spin box's
// editor, a scroll area's viewport) are their private parts.
bool IsPanel(const QWidget* Widget) {
  const QMetaObject* Meta = Widget->metaObject();
  return Meta == &QWidget::staticMetaObject || Meta == &QFrame::staticMetaObject ||
         qobject_cast<const QGroupBox*>(Widget);
}

// The owner's elements in creation order, panels before their contents.
// Windows (menus, dialogs) are not elements of the board.
void CollectElements(QWidget* Parent, std::vector<QWidget*>& Elements) {
  for (QObject* Child : Parent->children()) {
    auto* Widget = qobject_cast<QWidget*>(Child);
    if (!Widget || Widget->isWindow()) continue;
    Elements.push_back(Widget);
    if (IsPanel(Widget)) CollectElements(Widget, Elements);
  }
}

// A layout owns the geometry of its widgets, as a client-aligned control fills
// its parent: the resizer leaves them alone.
bool IsLaidOut(const QWidget* Widget) {
  const QWidget* Parent = Widget->parentWidget();
  return Parent && Parent->layout() && Parent->layout()->indexOf(Widget) >= 0;
}

// Elements with an "alignment" property (labels, line edits) report theirs;
// all others count as left-aligned.
TTextAlignment TextAlignment(const QWidget* Widget) {
  const QVariant Value = Widget->property("alignment");
  if (!Value.isValid()) return TTextAlignment::Left;
  const auto Alignment = Qt::Alignment(Value.toInt());
  if (Alignment & Qt::AlignRight) return TTextAlignment::Right;
  if (Alignment & Qt::AlignHCenter) return TTextAlignment::Center;
  return TTextAlignment::Left;
}

int DesignPoints(const QFont& Font) {
  if (Font.pixelSize() > 0) return PixelsToPoints(Font.pixelSize());
  return RoundHalfEven(Font.pointSizeF());
}

TBounds BoundsOf(const QWidget* Widget) {
  const QRect Geometry = Widget->geometry();
  return {Geometry.x(), Geometry.y(), Geometry.width(), Geometry.height()};
}

void SetBounds(QWidget* Widget, const TBounds& Bounds) {
  Widget->setGeometry(Bounds.Left, Bounds.Top, Bounds.Width, Bounds.Height);
}

}  // namespace

void SetLabelAutoSize(QLabel* Label, bool AutoSize) {
  Label->setProperty(kAutoSizeProperty, AutoSize);
  if (AutoSize) FitLabelToText(Label);
}

bool LabelAutoSize(const QWidget* Label) { return Label->property(kAutoSizeProperty).toBool(); }

void FitLabelToText(QLabel* Label) {
  const QRect Old = Label->geometry();
  const QSize Fitted = Label->sizeHint();
  const int Left = TextAlignment(Label) == TTextAlignment::Right
                       ? Old.x() + Old.width() - Fitted.width()
                       : Old.x();
  Label->setGeometry(Left, Old.y(), Fitted.width(), Fitted.height());
}

namespace {

void ApplyFontSize(QWidget* Widget, int Points) {
  QFont Font = Widget->font();
  // Qt rejects pixel sizes below 1; a minimum of 0 points would ask for one.
  Font.setPixelSize(std::max(1, PointsToPixels(Points)));
  Widget->setFont(Font);
  // A label sized to its text follows a new font at once.
  if (auto* Label = qobject_cast<QLabel*>(Widget); Label && LabelAutoSize(Label)) {
    FitLabelToText(Label);
  }
}

}  // namespace

TSingleResizer::TSingleResizer(QWidget* Control, QWidget* Owner, bool ResizeFont, int MinFontSize,
                               int MaxFontSize)
    : FControl(Control),
      FResizeFont(ResizeFont),
      FMinFontSize(MinFontSize),
      FMaxFontSize(MaxFontSize),
      FOwner(Owner) {
  if (!Control) throw EResizerException("TSingleResizer created without a component link");
  if (!Owner) throw EResizerException("TSingleResizer created without a parent form link");
  FDesign = BoundsOf(Control);
  FDesignFontSize = DesignPoints(Control->font());
  FOwnerHeight = Owner->height();
  FOwnerWidth = Owner->width();
  FScale.Width = !IsTextLabel(Control);
}

void TSingleResizer::Resize(int OwnerHeight, int OwnerWidth, double HeightRatio,
                            double WidthRatio) {
  QWidget* Widget = FControl;
  if (!Widget || IsLaidOut(Widget)) return;

  if (OwnerHeight == FOwnerHeight && OwnerWidth == FOwnerWidth) {
    // Back at design size: the design values themselves, free of any rounding.
    // The font comes first, so that a label sized to its text has its design
    // width again.
    if (FResizeFont) ApplyFontSize(Widget, FDesignFontSize);
    TBounds Bounds = BoundsOf(Widget);
    if (FScale.Height) Bounds.Height = FDesign.Height;
    if (FScale.Width) Bounds.Width = FDesign.Width;
    if (FScale.Left) Bounds.Left = FDesign.Left;
    if (FScale.Top) Bounds.Top = FDesign.Top;
    SetBounds(Widget, Bounds);
    return;
  }

  // Left, width and alignment are taken before the font changes: a
  // right-aligned label keeps its right edge by the width it had.
  const TTextAlignment Alignment = TextAlignment(Widget);
  const TBounds Current = BoundsOf(Widget);
  const TBounds Bounds = ScaledBounds(FDesign, Current, FScale, Alignment, HeightRatio, WidthRatio);
  if (FResizeFont) {
    ApplyFontSize(Widget, ScaledFontSize(FDesignFontSize, HeightRatio, FMinFontSize, FMaxFontSize));
  }
  SetBounds(Widget, Bounds);
  if (auto* Label = qobject_cast<QLabel*>(Widget); Label && !FScale.Width) {
    // A label that sizes itself to its text fits its new font again.
    if (LabelAutoSize(Label)) FitLabelToText(Label);
    Label->update();
  }
}

namespace {

QObject* CheckedOwner(QObject* Owner) {
  if (!Owner) throw EResizerException("TFormResizer created without an owner");
  if (!Owner->isWidgetType()) throw EResizerException("TFormResizer owner must be a panel or form");
  return Owner;
}

}  // namespace

TFormResizer::TFormResizer(QObject* Owner) : QObject(CheckedOwner(Owner)) {}

TFormResizer::~TFormResizer() = default;

QWidget* TFormResizer::OwnerWidget() const { return static_cast<QWidget*>(parent()); }

void TFormResizer::InitializeForm() {
  if (FInitialized) return;
  FInitialized = true;
  QWidget* Owner = OwnerWidget();
  FOwnerHeight = Owner->height();
  FOwnerWidth = Owner->width();
  std::vector<QWidget*> Elements;
  CollectElements(Owner, Elements);
  for (QWidget* Element : Elements) {
    FResizers.push_back(
        std::make_unique<TSingleResizer>(Element, Owner, ResizeFonts, MinFontSize, MaxFontSize));
  }
}

void TFormResizer::ResizeAll() {
  // An owner recorded with no area has no ratio to scale by.
  if (FOwnerHeight <= 0 || FOwnerWidth <= 0) return;
  QWidget* Owner = OwnerWidget();
  if (EnforceMinSize) {
    if (Owner->height() < FOwnerHeight) Owner->resize(Owner->width(), FOwnerHeight);
    if (Owner->width() < FOwnerWidth) Owner->resize(FOwnerWidth, Owner->height());
  }
  const int Height = Owner->height();
  const int Width = Owner->width();
  const double HeightRatio = double(Height) / FOwnerHeight;
  const double WidthRatio = double(Width) / FOwnerWidth;
  for (const auto& Resizer : FResizers) {
    if (!Resizer->Control()) continue;  // destroyed since it was recorded
    Resizer->Resize(Height, Width, HeightRatio, WidthRatio);
    DoPostResize(Resizer->Control(), HeightRatio, WidthRatio);
  }
}

void TFormResizer::DoPostResize(QWidget* Comp, double HeightRatio, double WidthRatio) {
  if (OnPostResize) OnPostResize(*this, Comp, HeightRatio, WidthRatio);
}
