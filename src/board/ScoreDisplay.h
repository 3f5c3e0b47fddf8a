#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "dialogs/ConfigCommand.h"
#include "match/MatchView.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScreen;
class QTimer;
class TAppMessageServer;
class TBoardImage;
class TBoardLight;
class TBoardShape;
class TDorvaneMgr;
class TFormResizer;
class TJudgeList;
class TMatch;
class TRoundFlow;
class TSysJoySticks;
class TTKDConfig;
class TUpdateCheck;

// The questions before a running match is left (OperatorWindow.cpp).
QString ExitQuestion();
QString NewGameQuestion();

// The scoreboard: the board the audience sees, with the operator's keys,
// buttons and popup menu. A view of the match: it draws what the match says
// and forwards the operator's commands to it. Config is the program's
// settings record, changed here only by the configuration dialogs.
class TfrmDorvane : public QWidget, public TMatchView, public TConfigTarget {
 public:
  // The design client area the board is laid out on.
  static constexpr int DesignWidth = 805;
  static constexpr int DesignHeight = 582;

  // The keyboard commands, in the order of their table.
  enum TCommand {
    F2,
    ShiftF2,
    F3,
    ShiftF3,
    F4,
    ShiftF4,
    F5,
    ShiftF5,
    F6,
    ShiftF6,
    F7,
    ShiftF7,
    CtrlG,
    CtrlS,
    CtrlP,
    CtrlI,
    CtrlN,
    CtrlUp,
    CtrlDown,
    Help,
    CtrlX,
    CommandCount
  };

  TfrmDorvane(TTKDConfig& Config, TMatch& Match, QWidget* Parent = nullptr);
  ~TfrmDorvane() override;

  // The match this board shows, and what of it the dialogs and tests work with.
  TMatch& Match() { return FMatch; }
  TJudgeList& Judges();
  TSysJoySticks& JoySticks();
  TDorvaneMgr& ScoreMgr();
  TRoundFlow& RoundFlow();
  TUpdateCheck& UpdateCheck() { return *FUpdateCheck; }
  // Judge n's lights (n from 1 to 4): shpR<n>, shpB<n>.
  TBoardLight& RedLight(int Judge);
  TBoardLight& BlueLight(int Judge);
  // Raised after the board redraws a change of the match (the live feed).
  std::function<void()> OnMatchChanged;
  // The command's window-wide action (key, buttons and menu entries run it).
  QAction* CommandAction(TCommand Command) const { return FCommands[Command]; }
  // The popup menu, made on first use: the program makes it right after the
  // board's first paint, which does not wait for it.
  QMenu* PopupMenu();
  // A board element by its component name (lblRedScore, shpRedPenalty, ...).
  QWidget* Element(const QString& Name) const;
  QLabel* Label(const QString& Name) const;

  // Each side's score, penalty count and caption in its player colour.
  void ApplyPlayerColors();

  // Shows the board frameless over Screen, or, Windowed, in a normal window
  // of the design size there (to try it out beside other windows).
  void ShowOn(QScreen* Screen, bool Windowed);
  // Shows the board on screen Number (BoardScreen's choice) and keeps it
  // there as screens come and go: on the remaining screen while that one is
  // missing, back on it when it returns.
  void ShowOnScreen(std::optional<int> Number, bool Windowed);
  // The screen number the board follows; none for the primary screen.
  std::optional<int> ChosenScreen() const { return FChosenScreen; }

  // A console drives the board from Window: the board then shows only the
  // board (no buttons, no popup menu) and its questions and dialogs open
  // over Window. Its keys stay active.
  void SetOperatorWindow(QWidget* Window);
  // Where the operator's questions and dialogs open: the console, or the board.
  QWidget* OperatorWindow() { return FOperatorWindow ? FOperatorWindow : this; }
  // True when no match is running, or the operator answers Yes to Question.
  bool ConfirmWhileMatchRuns(const QString& Question);

  // Accepts the application messages on a local socket; main() calls it.
  bool ListenForAppMessages(const QString& Name);
  // WM_APP + 100 and WM_APP + 101, whoever sent them.
  void AppMessage(uint32_t Message, int64_t WParam);

  // ---- Commands (one handler each; keys, buttons and menu entries run them) ----
  void mniRedAddClick();
  void mniRedMinusClick();
  void mniRed1PenaltyClick();
  void mniRed1PenaltyMinusClick();
  void mniRedHalfPointClick();
  void mniRedHalfPointMinusClick();
  void mniBlueAddClick();
  void mniBlueMinusClick();
  void mniBlue1PenaltyClick();
  void mniBlue1PenaltyMinusClick();
  void mniBlueHalfPointClick();
  void mniBlueHalfPointMinusClick();
  void mniStartRoundClick();
  void mniStopRoundClick();
  void mniPause2Click();
  void mniStartInjuryTime2Click();
  void mniRedRetiresClick();
  void mniBlueRetiresClick();
  // One second more or less on a stopped or paused clock.
  void mniClockPlusClick();
  void mniClockMinusClick();
  // Sender is the command that asked; none at the first show.
  void mniNewGameClick(QObject* Sender);
  void mniRequestPlayerClick();
  void HelpExecute();
  void mniExitClick();
  void mniConfigurationClick();
  void mniButtonMgrClick();
  void mniJudgesReportClick();
  // The software update and product news (update/UpdateNotifications.cpp).
  void mniWebUpdateClick();
  void mniProductNewsClick();

  // ---- TMatchView: the score manager's changes ----
  void ShowRound(int32_t Round, bool SuddenDeathRound) override;
  void ShowScore(TSide Side, const TDorvaneMgr& ScoreMgr) override;
  void ShowPenalty(TSide Side, const TDorvaneMgr& ScoreMgr) override;
  void ShowAllScores(const TDorvaneMgr& ScoreMgr) override;
  void ShowJudgeLight(TSide Side, int32_t Judge, TColor Color) override;
  void ShowPlayers(const QString& RedName, const QString& BlueName,
                   const QString& Division) override;
  // A mark on the lights of a judge whose pad is missing, and the state
  // line's notice while too few pads are connected (JudgePadView.cpp).
  void ShowJudgePads() override;
  // The state line's notice while the journal or the record cannot be written.
  void ShowWriteTrouble(const QString& Notice) override;
  void ShowRoundsWon(int32_t RedRounds, int32_t BlueRounds) override;

  // Runs a command; an error it raises is shown in the "Dorvane" error box.
  void RunCommand(const std::function<void()>& Command);

  // ---- TBoardView ----
  void SetClockText(const QString& Text) override;
  void SetClockColor(TColor Color) override;
  void SetStateText(const QString& Text) override;
  void SetStateColor(TColor Color) override;
  void SetPauseButtonCaption(const QString& Caption) override;
  void SetPauseButtonEnabled(bool Enabled) override;
  void SetInjuryButtonCaption(const QString& Caption) override;
  void SetInjuryButtonEnabled(bool Enabled) override;
  void SetClockCommandsEnabled(bool ClockExists) override;
  void SetRoundField(int Round) override;
  void ShowWinner(TSide Winner, bool Lit) override;
  void HideWinner() override;
  void ShowError(const QString& Message) override;

  // ---- TConfigTarget: what a confirmed configuration changes ----
  bool ClockExists() const override;
  void ClearWinner() override;
  void SetPlayerNames(const QString& RedName, const QString& BlueName) override;
  void SetManagerColors(TColor Round, TColor Break, TColor Injury) override;
  void SetBackgroundColor(TColor Color) override;
  void SetNameColor(TColor Color) override;
  void SetDivision(const QString& Division) override;
  void ApplyPlayerColors(TColor Red, TColor Blue) override;
  void SetAutoRestart(bool On) override;
  void SetWinnerBlinkInterval(int Milliseconds) override;
  void ShowIdleClockText(const QString& Text) override;

 protected:
  void showEvent(QShowEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;

 private:
  // Building the board (BoardLayout.cpp).
  void BuildBoard();
  QLabel* AddLabel(const char* Name, QRect Design, const QString& Text, int PixelSize,
                   Qt::Alignment Alignment, bool OwnBlackBox);
  TBoardShape* AddShape(const char* Name, QRect Design, TColor Color);
  void BuildButtons();
  void FormResizer1PostResize(QWidget* Comp);
  // Sets the caption and fits it inside the button.
  void SetButtonCaption(QPushButton* Button, const QString& Caption);
  // Fits every text held back so far; from here on each is fitted as it changes.
  void ReleaseFits();
  void ApplyBoardColors();
  void SetLabelColor(QLabel* Label, TColor Color);
  // Commands, keys and the popup menu (BoardCommands.cpp).
  void BuildCommands();
  void BuildPopupMenu();
  QAction* AddMenuEntry(QMenu* Menu, const QString& Caption, TCommand Command, const QString& Hint);
  void SetCaptionsFromLabels();
  // The menu's entries as the board stands (made later than the board).
  void ShowStateInMenu();
  void SetEntryCaptionsFromLabels();
  void EnableMenuClockCommands();
  // "Board screen": the screens by name and size; the board's is ticked (BoardPlacement.cpp).
  void AddBoardScreenMenu(QMenu* Menu);
  void PlaceOnChosenScreen();
  void mnuPopUpPopup();
  void btnPopupMenuClick();
  void ShowPopupMenu(QPoint ScreenPos);
  void mniSetRoundChange();
  bool ReadRequestNames() const;
  // The update check with the board's answers to it (update/UpdateNotifications.cpp).
  void CreateUpdateCheck();
  // The state line's text, or "Update ready" in place of an empty one while an
  // update waits for its question.
  QString WithUpdateNotice(const QString& StateText) const;
  // The clock has gone: a waiting update may ask its question now.
  void OfferWaitingUpdate();
  // The best-of-three rules on the board (BestOfThreeBoard.cpp).
  void BuildBestOfThree();
  void ApplyRuleSet();
  TSide AskRefereeDecision(int32_t Round);
  // The score display (ScoreEntry.cpp).
  void WriteShownScore(TSide Side, const TDorvaneMgr& ScoreMgr);
  void WritePenaltyCount(TSide Side, const TDorvaneMgr& ScoreMgr, bool Whole);
  void ShowMarker(TSide Side, const TDorvaneMgr& ScoreMgr);
  void SetLabelText(QLabel* Label, const QString& Text);
  // The window's life (ScoreDisplay.cpp).
  void FormCreate();
  void FormShow();
  void FormDestroy();
  // The judges' pads on the board (JudgePadView.cpp).
  void WatchJudgePads();

  TTKDConfig& FConfig;
  TMatch& FMatch;
  // Each judge's red and blue light marks.
  std::array<std::array<QWidget*, 2>, 4> FMissingMarks{};
  // The round flow's state text; the judges' notice stands in while it is
  // empty. A file that cannot be written is named after either.
  QString FRoundStateText;
  QString FWriteNotice;
  QString FJudgesNotice;
  // Scales every element with the window.
  TFormResizer* FResizer = nullptr;
  TAppMessageServer* FAppMessages = nullptr;
  TUpdateCheck* FUpdateCheck = nullptr;
  bool FShown = false;
  // Until the first show has set up its game, texts are placed but not
  // fitted: each is fitted once, as the board first shows it, and the
  // design texts the first game replaces never are.
  bool FFitsHeld = true;
  // What the menu's entries show, kept for a menu not yet made.
  bool FRequestNames = true;
  bool FInjuryRunning = false;
  bool FClockExists = false;
  int FRoundShown = 0;
  bool FFillScreen = true;
  std::optional<int> FChosenScreen;
  bool FFollowScreens = false;
  QWidget* FOperatorWindow = nullptr;

  QLabel* lblDivision = nullptr;
  QLabel* lblRoundHeader = nullptr;
  QLabel* lblRound = nullptr;
  QLabel* lblRedPlayerName = nullptr;
  QLabel* lblBluePlayerName = nullptr;
  QLabel* lblRedScore = nullptr;
  QLabel* lblBlueScore = nullptr;
  TBoardImage* imgSuddenDeath = nullptr;
  QLabel* lblRoundState = nullptr;
  QLabel* lblWinner = nullptr;
  QLabel* lblCountDown = nullptr;
  QLabel* lblRedPenaltyCaption = nullptr;
  QLabel* lblRedPenalty = nullptr;
  TBoardShape* shpRedPenalty = nullptr;
  QLabel* lblBluePenaltyCaption = nullptr;
  QLabel* lblBluePenalty = nullptr;
  TBoardShape* shpBluePenalty = nullptr;
  std::array<TBoardShape*, 4> shpR{};
  std::array<TBoardShape*, 4> shpB{};
  // Each side's rounds won under best of three: red's two, then blue's two.
  std::array<TBoardShape*, 4> shpRoundsWon{};

  // The button row.
  QPushButton* btnRedDeduction = nullptr;
  QPushButton* btnRedWarning = nullptr;
  QPushButton* mniStartRound = nullptr;
  QPushButton* mniStartInjuryTime = nullptr;
  QPushButton* mniPause = nullptr;
  QWidget* pnlButtons = nullptr;  // the operator's button row
  QPushButton* btnPopupMenu = nullptr;  // "^"
  QPushButton* btnBlueDeduction = nullptr;
  QPushButton* btnBlueWarning = nullptr;
  // The warnings' take-back buttons ("-").
  QPushButton* btnRedWarningMinus = nullptr;
  QPushButton* btnBlueWarningMinus = nullptr;

  std::array<QAction*, CommandCount> FCommands{};
  QMenu* mnuPopUp = nullptr;
  QAction* mniNewGame = nullptr;
  QAction* mniRequestPlayer = nullptr;
  QAction* mniStartRound1 = nullptr;
  QAction* mniStopRound = nullptr;
  QLineEdit* mniSetRound = nullptr;
  QAction* mniStartInjuryTime2 = nullptr;
  QAction* mniPause2 = nullptr;
  QAction* mniRed1Penalty = nullptr;
  QAction* mniRedHalfPoint = nullptr;
  QAction* mniBlue1Penalty = nullptr;
  QAction* mniBlueHalfPoint = nullptr;
  QAction* mniButtonMgr = nullptr;
  QAction* mniJudgesReport = nullptr;
  QAction* mniWebUpdate = nullptr;
};
