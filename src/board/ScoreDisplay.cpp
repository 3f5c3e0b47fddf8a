#include "board/ScoreDisplay.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "board/AppMessageServer.h"
#include "board/BoardFocus.h"
#include "board/FormResizer.h"
#include "clock/RoundFlow.h"
#include "match/Match.h"
#include "model/Settings.h"
#include "record/SoundCues.h"
#include "update/UpdateCheck.h"
#include "widgets/BoardShapes.h"
#include "widgets/MessageBoxes.h"

TfrmDorvane::TfrmDorvane(TTKDConfig& Config, TMatch& Match, QWidget* Parent)
    : QWidget(Parent), FConfig(Config), FMatch(Match) {
  setObjectName(QStringLiteral("frmDorvane"));
  setWindowTitle(QStringLiteral("Dorvane"));
  setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
  // The resizer takes the design size as its reference.
  resize(DesignWidth, DesignHeight);
  BuildCommands();
  BuildBoard();
  CreateUpdateCheck();
  FormCreate();
}

TfrmDorvane::~TfrmDorvane() { FormDestroy(); }

void TfrmDorvane::FormCreate() {
  new TBoardFocusKeeper(this);
  // Without a joystick driver the match is still kept by hand.
  if (!FMatch.GamepadError().isEmpty()) ShowErrorBox(this, FMatch.GamepadError());
  FMatch.Attach(*this);
  WatchJudgePads();
  ApplyRuleSet();

  ApplyBoardColors();
  SetLabelText(lblDivision, FConfig.Division);
  FResizer = new TFormResizer(this);
  FResizer->ResizeFonts = true;
  FResizer->MinFontSize = 8;
  FResizer->MaxFontSize = 480;
  FResizer->OnPostResize = [this](TFormResizer&, QWidget* Comp, double, double) {
    FormResizer1PostResize(Comp);
  };
  FResizer->InitializeForm();
  ApplyPlayerColors();
  SetCaptionsFromLabels();
}

void TfrmDorvane::showEvent(QShowEvent* Event) {
  QWidget::showEvent(Event);
  if (FShown) return;
  FShown = true;
  FormShow();
}

void TfrmDorvane::FormShow() {
  if (QScreen* Screen = screen(); Screen && FFillScreen) setGeometry(Screen->availableGeometry());
  FRequestNames = ReadRequestNames();
  if (mniRequestPlayer) mniRequestPlayer->setChecked(FRequestNames);
  RunCommand([this] { mniNewGameClick(nullptr); });
  ReleaseFits();
  activateWindow();
}

void TfrmDorvane::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  if (FResizer) FResizer->ResizeAll();
}

// The match outlives its board: from here on it draws on no part of it.
void TfrmDorvane::FormDestroy() {
  FMatch.Detach(*this);
  FMatch.RoundFlow().OnRefereeDecision = nullptr;
}

TJudgeList& TfrmDorvane::Judges() { return FMatch.Judges(); }
TSysJoySticks& TfrmDorvane::JoySticks() { return FMatch.JoySticks(); }
TDorvaneMgr& TfrmDorvane::ScoreMgr() { return FMatch.ScoreMgr(); }
TRoundFlow& TfrmDorvane::RoundFlow() { return FMatch.RoundFlow(); }

void TfrmDorvane::ShowJudgeLight(TSide Side, int32_t Judge, TColor Color) {
  (Side == TSide::Red ? shpR : shpB).at(static_cast<size_t>(Judge))->SetLightColor(Color);
}

TBoardLight& TfrmDorvane::RedLight(int Judge) { return *shpR.at(Judge - 1); }
TBoardLight& TfrmDorvane::BlueLight(int Judge) { return *shpB.at(Judge - 1); }

QWidget* TfrmDorvane::Element(const QString& Name) const {
  return findChild<QWidget*>(Name, Qt::FindDirectChildrenOnly);
}

QLabel* TfrmDorvane::Label(const QString& Name) const {
  return findChild<QLabel*>(Name, Qt::FindDirectChildrenOnly);
}

bool TfrmDorvane::ListenForAppMessages(const QString& Name) {
  if (!FAppMessages) {
    FAppMessages = new TAppMessageServer(
        this, [this](uint32_t Message, int64_t WParam) { AppMessage(Message, WParam); });
  }
  return FAppMessages->Listen(Name);
}

void TfrmDorvane::AppMessage(uint32_t Message, int64_t WParam) {
  if (Message == WM_APP_RESIZE) {
    FResizer->ResizeAll();
  } else if (Message == WM_APP_POINT_CUE) {
    if (WParam == 2) PlayCue(QStringLiteral("BluePoint"));
    if (WParam == 7) PlayCue(QStringLiteral("RedPoint"));
  }
}

// ---- TBoardView ----

void TfrmDorvane::SetClockText(const QString& Text) { SetLabelText(lblCountDown, Text); }
void TfrmDorvane::SetClockColor(TColor Color) { SetLabelColor(lblCountDown, Color); }
void TfrmDorvane::SetStateText(const QString& Text) {
  FRoundStateText = Text;
  const QString Shown = WithUpdateNotice(Text.isEmpty() ? FJudgesNotice : Text);
  // A file that cannot be written shows whatever the clock is doing.
  if (FWriteNotice.isEmpty() || Shown.isEmpty()) {
    SetLabelText(lblRoundState, Shown.isEmpty() ? FWriteNotice : Shown);
  } else {
    SetLabelText(lblRoundState, Shown + QStringLiteral(" \u2013 ") + FWriteNotice);
  }
}
void TfrmDorvane::ShowWriteTrouble(const QString& Notice) {
  FWriteNotice = Notice;
  SetStateText(FRoundStateText);
}
void TfrmDorvane::SetStateColor(TColor Color) { SetLabelColor(lblRoundState, Color); }
void TfrmDorvane::SetPauseButtonCaption(const QString& Caption) {
  SetButtonCaption(mniPause, Caption);
}
void TfrmDorvane::SetPauseButtonEnabled(bool Enabled) { mniPause->setEnabled(Enabled); }

void TfrmDorvane::SetInjuryButtonCaption(const QString& Caption) {
  SetButtonCaption(mniStartInjuryTime, Caption);
  // The menu entry keeps its caption; its tick shows injury time running.
  FInjuryRunning = Caption == InjuryCancelCaption();
  if (mniStartInjuryTime2) mniStartInjuryTime2->setChecked(FInjuryRunning);
}

void TfrmDorvane::SetInjuryButtonEnabled(bool Enabled) { mniStartInjuryTime->setEnabled(Enabled); }

void TfrmDorvane::SetClockCommandsEnabled(bool ClockExists) {
  FClockExists = ClockExists;
  mniStartRound->setEnabled(!ClockExists);
  EnableMenuClockCommands();
  if (!ClockExists) OfferWaitingUpdate();
  // Every start, change of the clock's state and end of a run passes here.
  if (OnMatchChanged) OnMatchChanged();
}

void TfrmDorvane::SetRoundField(int Round) {
  FRoundShown = Round;
  if (mniSetRound) mniSetRound->setText(QString::number(Round));
}

// A message box lets the board paint: its texts are fitted first.
void TfrmDorvane::ShowError(const QString& Message) {
  ReleaseFits();
  ShowErrorBox(this, Message);
}
