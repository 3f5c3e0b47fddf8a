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
#include "board/BoardShapes.h"
#include "board/FormResizer.h"
#include "board/MessageBoxes.h"
#include "clock/core/RoundFlow.h"
#include "input/ElectronicScoring.h"
#include "input/GamepadWatch.h"
#include "input/GamepadDevices.h"
#include "model/DorvaneError.h"
#include "model/Judges.h"
#include "model/ScoreManager.h"
#include "model/Settings.h"
#include "platform/Joystick.h"
#include "platform/SoundPlayer.h"
#include "record/SoundCues.h"
#include "update/UpdateCheck.h"

namespace {

// Stands in for a joystick driver that is missing, so the board still runs.
class TNoJoysticks : public TJoystickApi {
 public:
  uint32_t joyGetNumDevs() override { return 0; }
  uint32_t joyGetPos(uint32_t, TJoyInfo&) override { return JOYERR_PARMS; }
  uint32_t joyGetDevCapsA(uint32_t, TJoyCaps&) override { return JOYERR_PARMS; }
};

}  // namespace

TfrmDorvane::TfrmDorvane(QWidget* Parent) : QWidget(Parent) {
  setObjectName(QStringLiteral("frmDorvane"));
  setWindowTitle(QStringLiteral("Dorvane"));
  setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
  // The resizer takes the design size as its reference.
  resize(DesignWidth, DesignHeight);
  tmrHandSet = new QTimer(this);
  tmrHandSet->setInterval(1);
  BuildCommands();
  BuildBoard();
  BuildPopupMenu();
  CreateUpdateCheck();
  FormCreate();
}

TfrmDorvane::~TfrmDorvane() { FormDestroy(); }

void TfrmDorvane::FormCreate() {
  new TBoardFocusKeeper(this);
  FJudges = std::make_unique<TJudgeList>();
  try {
    FJoySticks = std::make_unique<TSysJoySticks>();
  } catch (const TDorvaneError& Error) {
    // Without a joystick driver the board still keeps score by hand.
    ShowErrorBox(this, Error.Message());
    TNoJoysticks NoJoysticks;
    SetJoystickApi(&NoJoysticks);
    FJoySticks = std::make_unique<TSysJoySticks>();
    SetJoystickApi(nullptr);
  }
  BuildJudges(*FJudges, *FJoySticks, *Settings, {shpR[0], shpR[1], shpR[2], shpR[3]},
              {shpB[0], shpB[1], shpB[2], shpB[3]});

  FScoreMgr = std::make_unique<TDorvaneMgr>();
  ConnectScoreEvents();
  FRoundFlow = std::make_unique<TRoundFlow>(*this, *FScoreMgr, *FJoySticks);
  ConnectElectronicScoring();
  WatchJudgePads();

  ApplyBoardColors();
  SetLabelText(lblDivision, Settings->Division);
  FormResizer1 = new TFormResizer(this);
  FormResizer1->ResizeFonts = true;
  FormResizer1->MinFontSize = 8;
  FormResizer1->MaxFontSize = 480;
  FormResizer1->OnPostResize = [this](TFormResizer&, QWidget* Comp, double, double) {
    FormResizer1PostResize(Comp);
  };
  FormResizer1->InitializeForm();
  ApplyPlayerColors();
  SetCaptionsFromLabels();
}

void TfrmDorvane::ConnectScoreEvents() {
  TDorvaneMgr& Mgr = *FScoreMgr;
  Mgr.OnRoundChange = [this](TDorvaneMgr&) { ShowRound(); };
  Mgr.OnRedScoreChange = [this](TDorvaneMgr&) { ShowRedScore(); };
  Mgr.OnRedPenaltyChange = [this](TDorvaneMgr&) { ShowRedPenalty(); };
  Mgr.OnBlueScoreChange = [this](TDorvaneMgr&) { ShowBlueScore(); };
  Mgr.OnBluePenaltyChange = [this](TDorvaneMgr&) { ShowBluePenalty(); };
  Mgr.OnScoresReset = [this](TDorvaneMgr&) { ShowAllScores(); };
  Mgr.OnColorChange = [](TDorvaneMgr&) {};
  Mgr.OnWinnerChange = [this](TDorvaneMgr&) {
    if (FRoundFlow) FRoundFlow->WinnerChanged();
  };
}

// The clock hands each click and the end of each poll to the judges' scoring.
void TfrmDorvane::ConnectElectronicScoring() {
  FElectronicScoring = std::make_unique<TElectronicScoring>(
      *FJudges, *FScoreMgr, *tmrHandSet, [this] { return FRoundFlow->ClockRunning(); });
  TElectronicScoring& Scoring = *FElectronicScoring;
  FRoundFlow->OnJudgeButtonClick = [&Scoring](TMyJoyStick& Sender, TJoyButton& Button,
                                              int32_t ButtonNumber, double PressStart,
                                              bool& Handled) {
    Scoring.JudgeButtonClick(Sender, Button, ButtonNumber, PressStart, Handled);
  };
  FRoundFlow->OnCheckJudgeVotes = [&Scoring](TSysJoySticks&) { Scoring.CheckJudgeVotes(); };
  connect(tmrHandSet, &QTimer::timeout, this, [&Scoring] { Scoring.tmrHandSetTimer(); });
}

void TfrmDorvane::showEvent(QShowEvent* Event) {
  QWidget::showEvent(Event);
  if (FShown) return;
  FShown = true;
  FormShow();
}

void TfrmDorvane::FormShow() {
  if (QScreen* Screen = screen()) setGeometry(Screen->availableGeometry());
  mniRequestPlayer->setChecked(ReadRequestNames());
  RunCommand([this] { mniNewGameClick(nullptr); });
  activateWindow();
}

void TfrmDorvane::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  if (FormResizer1) FormResizer1->ResizeAll();
}

void TfrmDorvane::FormDestroy() {
  FGamepadWatch.reset();
  // The round flow goes first: it ends a running clock before what the clock uses goes away.
  FRoundFlow.reset();
  tmrHandSet->stop();
  FElectronicScoring.reset();
  FScoreMgr.reset();
  FJoySticks.reset();
  FJudges.reset();
  SoundPlayer().StopAll();
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
    FormResizer1->ResizeAll();
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
  SetLabelText(lblRoundState, Text.isEmpty() ? FJudgesNotice : Text);
}
void TfrmDorvane::SetStateColor(TColor Color) { SetLabelColor(lblRoundState, Color); }
void TfrmDorvane::SetPauseButtonCaption(const QString& Caption) { mniPause->setText(Caption); }
void TfrmDorvane::SetPauseButtonEnabled(bool Enabled) { mniPause->setEnabled(Enabled); }

void TfrmDorvane::SetInjuryButtonCaption(const QString& Caption) {
  mniStartInjuryTime->setText(Caption);
  // The menu entry keeps its caption; its tick shows injury time running.
  mniStartInjuryTime2->setChecked(Caption == QLatin1String("Cancel"));
}

void TfrmDorvane::SetInjuryButtonEnabled(bool Enabled) { mniStartInjuryTime->setEnabled(Enabled); }

void TfrmDorvane::SetClockCommandsEnabled(bool ClockExists) {
  mniNewGame->setEnabled(!ClockExists);
  mniButtonMgr->setEnabled(!ClockExists);
  mniJudgesReport->setEnabled(!ClockExists);
  mniStartRound->setEnabled(!ClockExists);
  mniStartRound1->setEnabled(!ClockExists);
  mniStopRound->setEnabled(ClockExists);
  mniWebUpdate->setEnabled(!ClockExists && !FUpdateCheck->InProgress());
}

void TfrmDorvane::SetRoundField(int Round) { mniSetRound->setText(QString::number(Round)); }

QString TfrmDorvane::ScoreText(bool Red) const {
  return (Red ? lblRedScore : lblBlueScore)->text();
}

void TfrmDorvane::SetScoreText(bool Red, const QString& Text) {
  SetLabelText(Red ? lblRedScore : lblBlueScore, Text);
}

void TfrmDorvane::ShowError(const QString& Message) { ShowErrorBox(this, Message); }
