// The board's elements at their design rectangles, and the score figures'
// own placement rule after each rescale.

#include <QLabel>
#include <QPushButton>

#include "board/BoardFont.h"
#include "board/BoardShapes.h"
#include "board/FormResizer.h"
#include "board/ScoreDisplay.h"
#include "board/SuddenDeathImage.h"
#include "model/Settings.h"

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

// A centred text wider than its box is cut at both ends: the box grows around
// its centre instead (a clock of "10:00" on a board stretched wide).
void KeepCentredTextVisible(QLabel* Label) {
  if (!(Label->alignment() & Qt::AlignHCenter) || LabelAutoSize(Label)) return;
  const int TextWidth = Label->sizeHint().width();
  if (TextWidth <= Label->width()) return;
  const QRect Old = Label->geometry();
  Label->setGeometry(Old.center().x() - TextWidth / 2, Old.y(), TextWidth, Old.height());
}

struct TButtonGroupFaces {
  const char* Normal;
  const char* Hover;
  const char* Pressed;
};

// The faces of a button group; the text is red on every button.
QString ButtonStyle(const TButtonGroupFaces& Faces) {
  return QStringLiteral(
             "QPushButton { background-color: %1; color: rgb(255, 0, 0); border: 1px solid "
             "rgb(64, 64, 64); border-radius: 3px; padding: 0px; }"
             "QPushButton:hover { background-color: %2; }"
             "QPushButton:pressed { background-color: %3; }"
             "QPushButton:disabled { background-color: rgb(55, 55, 55); }")
      .arg(QLatin1String(Faces.Normal), QLatin1String(Faces.Hover), QLatin1String(Faces.Pressed));
}

const TButtonGroupFaces RedFaces{"rgb(255, 166, 166)", "rgb(255, 79, 79)", "rgb(255, 0, 0)"};
const TButtonGroupFaces ClockFaces{"rgb(154, 154, 154)", "rgb(192, 220, 192)",
                                   "rgb(192, 192, 192)"};
const TButtonGroupFaces BlueFaces{"rgb(157, 157, 255)", "rgb(70, 70, 255)", "rgb(0, 0, 255)"};

}  // namespace

QLabel* TfrmDorvane::AddLabel(const char* Name, QRect Design, const QString& Text, int PixelSize,
                              Qt::Alignment Alignment, bool OwnBlackBox) {
  auto* Result = new QLabel(Text, this);
  Result->setObjectName(QLatin1String(Name));
  Result->setFont(BoardFont(PixelSize));
  Result->setAlignment(Alignment);
  Result->setGeometry(Design);
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
  lblRoundHeader = AddLabel("lblRoundHeader", {290, 33, 217, 24}, QStringLiteral("ROUND"),
                            PointsToPixels(16), Centre, false);
  lblRound =
      AddLabel("lblRound", {347, 54, 99, 87}, QStringLiteral("3"), PointsToPixels(64), Centre, true);
  lblRedPlayerName =
      AddLabel("lblRedPlayerName", {19, 32, 0, 24}, QStringLiteral("Red player name"),
               PointsToPixels(16), Qt::AlignLeft | Qt::AlignTop, true);
  SetLabelAutoSize(lblRedPlayerName, true);
  lblBluePlayerName =
      AddLabel("lblBluePlayerName", {766, 32, 0, 24}, QStringLiteral("Blue player name"),
               PointsToPixels(16), Qt::AlignRight | Qt::AlignTop, true);
  SetLabelAutoSize(lblBluePlayerName, true);
  lblRedScore = AddLabel("lblRedScore", {4, 60, 379, 353}, QStringLiteral("00"), PointsToPixels(260),
                         Centre, false);
  lblBlueScore = AddLabel("lblBlueScore", {420, 60, 379, 353}, QStringLiteral("00"),
                          PointsToPixels(260), Centre, false);
  lblRoundState =
      AddLabel("lblRoundState", {240, 368, 317, 24}, QString(), PointsToPixels(16), Centre, false);
  lblCountDown = AddLabel("lblCountDown", {182, 394, 417, 134}, QStringLiteral("3:00"),
                          PointsToPixels(90), Qt::AlignCenter, false);
  Label7 = AddLabel("Label7", {1, 401, 170, 18}, QStringLiteral("Red penalties"), PointsToPixels(10),
                    Centre, true);
  lblRedPenalty = AddLabel("lblRedPenalty", {2, 429, 150, 105}, QStringLiteral("0"),
                           PointsToPixels(72), Centre, false);
  shpRedPenalty = AddShape("shpRedPenalty", {137, 485, 34, 32}, clYellow);
  shpRedPenalty->hide();
  Label8 = AddLabel("Label8", {604, 402, 175, 18}, QStringLiteral("Blue penalties"),
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
  imgSuddenDeath = new TBoardImage(this, SuddenDeathPixmap());
  imgSuddenDeath->setObjectName(QStringLiteral("imgSuddenDeath"));
  imgSuddenDeath->setGeometry(374, 144, 44, 44);
  imgSuddenDeath->hide();
  BuildButtons();
}

void TfrmDorvane::BuildButtons() {
  struct TButtonPlace {
    int Left;
    int Width;
    const char* Caption;
    TCommand Command;
    const TButtonGroupFaces* Faces;
    const char* Hint;
  };
  // Deduction, Warning and the clock captions come from [Labels] afterwards.
  const TButtonPlace Places[] = {
      {10, 69, "+ Hong", F2, &RedFaces, nullptr},
      {81, 17, "-", ShiftF2, &RedFaces, nullptr},
      {100, 72, "", F3, &RedFaces, nullptr},
      {174, 17, "-", ShiftF3, &RedFaces, "Red 1 point penalty -"},
      {193, 72, "", F4, &RedFaces, nullptr},
      {267, 17, "-", ShiftF4, &RedFaces, nullptr},
      {290, 56, "", CtrlG, &ClockFaces, nullptr},
      {348, 70, "", CtrlI, &ClockFaces, nullptr},
      {420, 70, "", CtrlP, &ClockFaces, nullptr},
      {491, 17, "^", CommandCount, &ClockFaces, nullptr},
      {515, 69, "+Chong", F5, &BlueFaces, nullptr},
      {586, 17, "-", ShiftF5, &BlueFaces, nullptr},
      {605, 72, "", F6, &BlueFaces, nullptr},
      {679, 17, "-", ShiftF6, &BlueFaces, nullptr},
      {698, 72, "", F7, &BlueFaces, nullptr},
      {772, 17, "-", ShiftF7, &BlueFaces, nullptr},
  };
  for (const TButtonPlace& Place : Places) {
    auto* Button = new QPushButton(QString::fromLatin1(Place.Caption), this);
    Button->setGeometry(Place.Left, 540, Place.Width, 25);
    Button->setFont(BoardFont(PointsToPixels(10)));
    Button->setStyleSheet(ButtonStyle(*Place.Faces));
    // The keys belong to the board, never to a focused button.
    Button->setFocusPolicy(Qt::NoFocus);
    if (Place.Hint) Button->setToolTip(QString::fromLatin1(Place.Hint));
    if (Place.Command == CommandCount) {
      cxButton13 = Button;
      cxButton13->setObjectName(QStringLiteral("cxButton13"));
      connect(Button, &QPushButton::clicked, this, [this] { cxButton13Click(); });
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
      case F6:
        btnBlueDeduction = Button;
        break;
      case F7:
        btnBlueWarning = Button;
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
  ApplyPlayerColors(Settings->RedPlayerColor, Settings->BluePlayerColor);
}

void TfrmDorvane::ApplyPlayerColors(TColor Red, TColor Blue) {
  for (QLabel* Label : {lblRedScore, lblRedPenalty, Label7}) SetTextColor(Label, Red);
  for (QLabel* Label : {lblBlueScore, lblBluePenalty, Label8}) SetTextColor(Label, Blue);
}

void TfrmDorvane::ApplyBoardColors() {
  SetNameColor(Settings->NameColor);
  SetBackgroundColor(Settings->BGColor);
  SetClockColor(Settings->RoundColor);
}

void TfrmDorvane::SetNameColor(TColor Color) {
  for (QLabel* Label : {lblRedPlayerName, lblBluePlayerName, lblRoundHeader, lblRound}) {
    SetTextColor(Label, Color);
  }
}

void TfrmDorvane::SetBackgroundColor(TColor Color) { SetBoxColor(this, Color); }

void TfrmDorvane::SetLabelColor(QLabel* Label, TColor Color) { SetTextColor(Label, Color); }

void TfrmDorvane::SetLabelText(QLabel* Label, const QString& Text) {
  Label->setText(Text);
  if (LabelAutoSize(Label)) {
    FitLabelToText(Label);
  } else {
    KeepCentredTextVisible(Label);
  }
  if (OnMatchChanged) OnMatchChanged();
}

void TfrmDorvane::FormResizer1PostResize(QWidget* Comp) {
  const bool Red = Comp == lblRedScore;
  if (Red || Comp == lblBlueScore) {
    // The score figures have their own rule, in proportions of the client area.
    auto* Figure = static_cast<QLabel*>(Comp);
    SetLabelAutoSize(Figure, false);
    const double CW = width();
    const double CH = height();
    Figure->setGeometry(RoundHalfEven(CW * (Red ? 4 : 406) / 790), RoundHalfEven(CH * 44 / 570),
                        RoundHalfEven(CW * 379 / 790), RoundHalfEven(CH * 353 / 570));
    Figure->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  }
  if (auto* Label = qobject_cast<QLabel*>(Comp)) KeepCentredTextVisible(Label);
}
