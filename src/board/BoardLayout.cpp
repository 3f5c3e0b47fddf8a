// The board's elements at their design rectangles, and each text placed in
// its box and fitted to it after each rescale and each change of its text.

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "board/BoardButton.h"
#include "board/BoardText.h"
#include "board/BoardTextLayout.h"
#include "board/ButtonColors.h"
#include "board/FormResizer.h"
#include "board/ScoreDisplay.h"
#include "board/SuddenDeathImage.h"
#include "board/TextFit.h"
#include "model/Settings.h"
#include "widgets/BoardFont.h"
#include "widgets/BoardShapes.h"
#include "widgets/ColorConversion.h"

namespace {

constexpr TColor clBlack = 0;
constexpr TColor clWhite = 16777215;
constexpr TColor clYellow = 65535;

// The clock writes its colours at every tick: an unchanged colour costs no
// palette change.
void SetTextColor(QWidget* Widget, TColor Color) {
  const QColor Wanted = ToQColor(Color);
  if (Widget->palette().color(QPalette::WindowText) == Wanted) return;
  QPalette Palette = Widget->palette();
  Palette.setColor(QPalette::WindowText, Wanted);
  Widget->setPalette(Palette);
}

void SetBoxColor(QWidget* Widget, TColor Color) {
  QPalette Palette = Widget->palette();
  Palette.setColor(QPalette::Window, ToQColor(Color));
  Widget->setPalette(Palette);
  Widget->setAutoFillBackground(true);
}

// What a text label keeps between its layout and a change of its text.
constexpr char kDesignPointsProperty[] = "designPoints";
constexpr char kTextRectProperty[] = "textRect";
constexpr char kTextBoxProperty[] = "textBox";
constexpr char kMaxPixelsProperty[] = "maxPixels";

// Below this a text is cut with an ellipsis rather than shrunk further: a
// forty-letter name in the smallest window would be dots.
constexpr int MinLegiblePixels = 8;

// The largest size that fits the label's box, never above the size the
// layout gives it: a long name or a three-digit score shrinks instead of
// running into its neighbour or off the screen. A text that fits at that
// size keeps the layout's place; one that must shrink moves to the part of
// it across the box, where it can be largest.
void FitTextToBox(QLabel* Label) {
  const QVariant Box = Label->property(kTextBoxProperty);
  auto* Text = dynamic_cast<TBoardText*>(Label);
  if (!Box.isValid() || !Text) return;
  const TTextPlace Place{Label->property(kTextRectProperty).toRect(), Box.toRect()};
  const int MaxPixels = Label->property(kMaxPixelsProperty).toInt();
  const QMargins Margins = Label->contentsMargins();
  const bool FitsInPlace =
      FittingPixelSize(Label->font(), Label->text(), Place.Rect.marginsRemoved(Margins), Place.Box,
                       Label->alignment(), MaxPixels) == std::max(1, MaxPixels);
  const QRect Rect = FitsInPlace ? Place.Rect : Place.Narrowed();
  if (Label->geometry() != Rect) Label->setGeometry(Rect);
  const TFittedText Fitted =
      FitsInPlace ? TFittedText{std::max(1, MaxPixels), Label->text()}
                  : FitText(Label->font(), Label->text(), Rect.marginsRemoved(Margins), Place.Box,
                            Label->alignment(), MaxPixels, MinLegiblePixels);
  Text->SetShownText(Fitted.Text);
  if (Label->font().pixelSize() == Fitted.Pixels) return;
  QFont Font = Label->font();
  Font.setPixelSize(Fitted.Pixels);
  Label->setFont(Font);
}

// A button's caption at the largest size, at most the one the resizer gave
// the button, that fits inside its border: the font follows the board's
// height and the button's width its width, so on a screen narrower than 16:9
// a long caption ("KYONGGO") would be cut at both ends.
void FitCaptionToButton(QPushButton* Button) {
  const QVariant MaxPixels = Button->property(kMaxPixelsProperty);
  if (!MaxPixels.isValid()) return;
  const QRect Inside =
      Button->rect().adjusted(ButtonBorder, ButtonBorder, -ButtonBorder, -ButtonBorder);
  const int Pixels = FittingPixelSize(Button->font(), Button->text(), Inside, Inside,
                                      Qt::AlignCenter, MaxPixels.toInt());
  if (Button->font().pixelSize() == Pixels) return;
  QFont Font = Button->font();
  Font.setPixelSize(Pixels);
  Button->setFont(Font);
}

// A text that starts at its box's edge keeps its anti-aliased edge inside.
void KeepTextOffTheEdge(QLabel* Label) { Label->setContentsMargins(1, 1, 1, 1); }

// Puts a text label in its place for the board's client size; its largest
// size follows the board's height from its design size. Fitted at once
// unless the board holds its fits.
void PlaceText(QLabel* Label, QSize Client, bool Fit) {
  const TTextPlace Place = BoardTextPlace(Label->objectName(), Client);
  if (Place.Box.isNull()) return;
  Label->setGeometry(Place.Rect);
  // Qt's frame drops the margins of a label polished while it had no area
  // (a name's label before the first lay-out).
  KeepTextOffTheEdge(Label);
  Label->setProperty(kTextRectProperty, Place.Rect);
  Label->setProperty(kTextBoxProperty, Place.Box);
  const double HeightRatio = Client.height() / double(TfrmDorvane::DesignHeight);
  const int Points = ScaledFontSize(Label->property(kDesignPointsProperty).toInt(), HeightRatio, 8,
                                    BoardMaxFontSize(Client.height()));
  Label->setProperty(kMaxPixelsProperty, PointsToPixels(Points));
  if (Fit) FitTextToBox(Label);
}

}  // namespace

QLabel* TfrmDorvane::AddLabel(const char* Name, QRect Design, const QString& Text, int PixelSize,
                              Qt::Alignment Alignment, bool OwnBlackBox) {
  auto* Result = new TBoardText(Text, this);
  Result->setObjectName(QLatin1String(Name));
  Result->setFont(BoardFont(PixelSize));
  Result->setProperty(kDesignPointsProperty, PixelsToPoints(PixelSize));
  Result->setAlignment(Alignment);
  Result->setGeometry(Design);
  KeepTextOffTheEdge(Result);
  SetTextColor(Result, clWhite);
  if (OwnBlackBox) SetBoxColor(Result, clBlack);
  return Result;
}

TBoardShape* TfrmDorvane::AddShape(const char* Name, QRect Design, TColor Color) {
  auto* Result = new TBoardShape(this, Color);
  Result->setObjectName(QLatin1String(Name));
  Result->setGeometry(Design);
  return Result;
}

void TfrmDorvane::BuildBoard() {
  const auto Centre = Qt::AlignHCenter | Qt::AlignTop;
  lblDivision =
      AddLabel("lblDivision", {290, 9, 217, 24}, QString(), PointsToPixels(16), Centre, false);
  lblRoundHeader =
      AddLabel("lblRoundHeader", {290, 33, 217, 24}, QCoreApplication::translate("Board", "ROUND"),
               PointsToPixels(16), Centre, false);
  lblRound = AddLabel("lblRound", {347, 54, 99, 87}, QStringLiteral("3"), PointsToPixels(64),
                      Centre, true);
  lblRedPlayerName = AddLabel("lblRedPlayerName", {19, 32, 0, 24},
                              QCoreApplication::translate("Board", "Red player name"),
                              PointsToPixels(16), Qt::AlignLeft | Qt::AlignTop, true);
  lblBluePlayerName = AddLabel("lblBluePlayerName", {766, 32, 0, 24},
                               QCoreApplication::translate("Board", "Blue player name"),
                               PointsToPixels(16), Qt::AlignRight | Qt::AlignTop, true);
  lblRedScore = AddLabel("lblRedScore", {4, 60, 379, 353}, QStringLiteral("00"),
                         PointsToPixels(260), Centre, false);
  lblBlueScore = AddLabel("lblBlueScore", {420, 60, 379, 353}, QStringLiteral("00"),
                          PointsToPixels(260), Centre, false);
  lblRoundState =
      AddLabel("lblRoundState", {240, 368, 317, 24}, QString(), PointsToPixels(16), Centre, false);
  // The winner's name, in the state line's place while a winner is decided.
  lblWinner =
      AddLabel("lblWinner", {240, 368, 317, 24}, QString(), PointsToPixels(16), Centre, false);
  lblWinner->hide();
  lblCountDown = AddLabel("lblCountDown", {182, 394, 417, 134}, QStringLiteral("3:00"),
                          PointsToPixels(90), Qt::AlignCenter, false);
  lblRedPenaltyCaption = AddLabel("lblRedPenaltyCaption", {1, 401, 170, 18},
                                  QCoreApplication::translate("Board", "Red penalties"),
                                  PointsToPixels(10), Centre, true);
  lblRedPenalty = AddLabel("lblRedPenalty", {2, 429, 150, 105}, QStringLiteral("0"),
                           PointsToPixels(72), Centre, false);
  shpRedPenalty = AddShape("shpRedPenalty", {137, 485, 34, 32}, clYellow);
  shpRedPenalty->hide();
  lblBluePenaltyCaption = AddLabel("lblBluePenaltyCaption", {604, 402, 175, 18},
                                   QCoreApplication::translate("Board", "Blue penalties"),
                                   PointsToPixels(10), Centre, true);
  lblBluePenalty = AddLabel("lblBluePenalty", {599, 430, 150, 105}, QStringLiteral("0"),
                            PointsToPixels(72), Centre, false);
  shpBluePenalty = AddShape("shpBluePenalty", {735, 486, 34, 32}, clYellow);
  shpBluePenalty->hide();
  constexpr int RedLightLefts[] = {18, 94, 170, 246};
  constexpr int BlueLightLefts[] = {484, 560, 636, 712};
  for (int I = 0; I < 4; ++I) {
    shpR[I] = AddShape(QStringLiteral("shpR%1").arg(I + 1).toLatin1().constData(),
                       {RedLightLefts[I], 7, 71, 23}, clUnlitLight);
    shpB[I] = AddShape(QStringLiteral("shpB%1").arg(I + 1).toLatin1().constData(),
                       {BlueLightLefts[I], 7, 71, 23}, clUnlitLight);
  }
  // Above the scores and the round number it overlaps.
  imgSuddenDeath = new TBoardImage(this, SuddenDeathPixmap);
  imgSuddenDeath->setObjectName(QStringLiteral("imgSuddenDeath"));
  imgSuddenDeath->setGeometry(374, 144, 44, 44);
  imgSuddenDeath->hide();
  BuildButtons();
  BuildBestOfThree();
}

void TfrmDorvane::BuildButtons() {
  struct TButtonPlace {
    int Left;
    int Width;
    const char* Caption;
    TCommand Command;
    const TButtonGroupColors* Colors;
    const char* Hint;
  };
  // Deduction, Warning and the clock captions come from [Labels] afterwards.
  const TButtonPlace Places[] = {
      {10, 69, QT_TRANSLATE_NOOP("Board", "+ Hong"), F2, &RedButtonColors, nullptr},
      {81, 17, "-", ShiftF2, &RedButtonColors, nullptr},
      {100, 72, "", F3, &RedButtonColors, nullptr},
      {174, 17, "-", ShiftF3, &RedButtonColors,
       QT_TRANSLATE_NOOP("Board", "Red 1 point penalty -")},
      {193, 72, "", F4, &RedButtonColors, nullptr},
      {267, 17, "-", ShiftF4, &RedButtonColors, nullptr},
      {290, 56, "", CtrlG, &ClockButtonColors, nullptr},
      {348, 70, "", CtrlI, &ClockButtonColors, nullptr},
      {420, 70, "", CtrlP, &ClockButtonColors, nullptr},
      {491, 17, "^", CommandCount, &ClockButtonColors, nullptr},
      {515, 69, QT_TRANSLATE_NOOP("Board", "+ Chong"), F5, &BlueButtonColors, nullptr},
      {586, 17, "-", ShiftF5, &BlueButtonColors, nullptr},
      {605, 72, "", F6, &BlueButtonColors, nullptr},
      {679, 17, "-", ShiftF6, &BlueButtonColors, nullptr},
      {698, 72, "", F7, &BlueButtonColors, nullptr},
      {772, 17, "-", ShiftF7, &BlueButtonColors, nullptr},
  };
  pnlButtons = new QWidget(this);
  pnlButtons->setObjectName(QStringLiteral("pnlButtons"));
  pnlButtons->setGeometry(0, 540, DesignWidth, 25);
  for (const TButtonPlace& Place : Places) {
    auto* Button = new TBoardButton(QCoreApplication::translate("Board", Place.Caption),
                                    *Place.Colors, pnlButtons);
    Button->setGeometry(Place.Left, 0, Place.Width, 25);
    Button->setFont(BoardFont(PointsToPixels(10)));
    // The keys belong to the board, never to a focused button.
    Button->setFocusPolicy(Qt::NoFocus);
    if (Place.Hint) Button->setToolTip(QCoreApplication::translate("Board", Place.Hint));
    if (Place.Command == CommandCount) {
      btnPopupMenu = Button;
      btnPopupMenu->setObjectName(QStringLiteral("btnPopupMenu"));
      connect(Button, &QPushButton::clicked, this, [this] { btnPopupMenuClick(); });
      continue;
    }
    const TCommand Command = Place.Command;
    connect(Button, &QPushButton::clicked, this,
            [this, Command] { FCommands[Command]->trigger(); });
    switch (Command) {
      case F3:
        btnRedDeduction = Button;
        break;
      case F4:
        btnRedWarning = Button;
        break;
      case ShiftF4:
        btnRedWarningMinus = Button;
        break;
      case F6:
        btnBlueDeduction = Button;
        break;
      case F7:
        btnBlueWarning = Button;
        break;
      case ShiftF7:
        btnBlueWarningMinus = Button;
        break;
      case CtrlG:
        mniStartRound = Button;
        break;
      case CtrlI:
        mniStartInjuryTime = Button;
        break;
      case CtrlP:
        mniPause = Button;
        break;
      default:
        break;
    }
  }
  mniStartRound->setObjectName(QStringLiteral("mniStartRound"));
  mniStartInjuryTime->setObjectName(QStringLiteral("mniStartInjuryTime"));
  mniPause->setObjectName(QStringLiteral("mniPause"));
}

void TfrmDorvane::ApplyPlayerColors() {
  ApplyPlayerColors(FConfig.RedPlayerColor, FConfig.BluePlayerColor);
}

void TfrmDorvane::ApplyPlayerColors(TColor Red, TColor Blue) {
  for (QLabel* Label : {lblRedScore, lblRedPenalty, lblRedPenaltyCaption}) SetTextColor(Label, Red);
  for (QLabel* Label : {lblBlueScore, lblBluePenalty, lblBluePenaltyCaption})
    SetTextColor(Label, Blue);
}

void TfrmDorvane::ApplyBoardColors() {
  SetNameColor(FConfig.NameColor);
  SetBackgroundColor(FConfig.BGColor);
  SetClockColor(FConfig.RoundColor);
}

void TfrmDorvane::SetNameColor(TColor Color) {
  for (QLabel* Label : {lblRedPlayerName, lblBluePlayerName, lblRoundHeader, lblRound, lblWinner}) {
    SetTextColor(Label, Color);
  }
}

void TfrmDorvane::SetBackgroundColor(TColor Color) { SetBoxColor(this, Color); }

void TfrmDorvane::SetLabelColor(QLabel* Label, TColor Color) { SetTextColor(Label, Color); }

void TfrmDorvane::SetLabelText(QLabel* Label, const QString& Text) {
  Label->setText(Text);
  if (!FFitsHeld) FitTextToBox(Label);
  if (OnMatchChanged) OnMatchChanged();
}

void TfrmDorvane::SetButtonCaption(QPushButton* Button, const QString& Caption) {
  Button->setText(Caption);
  if (!FFitsHeld) FitCaptionToButton(Button);
}

void TfrmDorvane::ReleaseFits() {
  if (!FFitsHeld) return;
  FFitsHeld = false;
  for (QLabel* Label : findChildren<QLabel*>()) FitTextToBox(Label);
  for (QPushButton* Button : findChildren<QPushButton*>()) FitCaptionToButton(Button);
}

void TfrmDorvane::FormResizer1PostResize(QWidget* Comp) {
  if (auto* Label = qobject_cast<QLabel*>(Comp)) PlaceText(Label, size(), !FFitsHeld);
  if (auto* Button = qobject_cast<QPushButton*>(Comp)) {
    // The resizer has just given the button its font for this size.
    Button->setProperty(kMaxPixelsProperty, Button->font().pixelSize());
    if (!FFitsHeld) FitCaptionToButton(Button);
  }
}
