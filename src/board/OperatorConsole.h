#pragma once

#include <QMainWindow>
#include <array>

#include "board/ScoreDisplay.h"
#include "match/MatchView.h"

class QLabel;
class QPushButton;
class QScreen;
class TBoardPreview;

// The operator's window beside the audience board: a live preview of the
// board, the operator's buttons, the board's menu as a menu bar and a
// context menu, the judges' pads, the record file and the clock. Every
// button, entry and key runs the board's own command, so both windows drive
// the match the same way. While it exists the board shows only the board.
// Closing it closes the board too, after asking; the board closing closes it.
class TfrmConsole : public QMainWindow, public TMatchView {
 public:
  TfrmConsole(TfrmDorvane& Board, TMatch& Match);
  ~TfrmConsole() override;

  // Opens as a normal window on Screen, at a size that fits it.
  void ShowOn(QScreen* Screen);
  // The button of a command (null for commands without one).
  QPushButton* Button(TfrmDorvane::TCommand Command) const { return FButtons[Command]; }
  TBoardPreview& Preview() const { return *FPreview; }
  // The status lines, as shown.
  QString ClockStatus() const;
  QString RecordStatus() const;
  QString JournalStatus() const;
  QString JudgesStatus() const;

  // ---- TMatchView: the console follows the board's changes ----
  void ShowRound(int32_t Round, bool SuddenDeathRound) override;
  void ShowScore(TSide Side, const TDorvaneMgr& ScoreMgr) override;
  void ShowPenalty(TSide Side, const TDorvaneMgr& ScoreMgr) override;
  void ShowAllScores(const TDorvaneMgr& ScoreMgr) override;
  void ShowPlayers(const QString& RedName, const QString& BlueName,
                   const QString& Division) override;
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
  void ShowJudgeLight(TSide Side, int32_t Judge, TColor Color) override;
  void ShowRoundsWon(int32_t RedRounds, int32_t BlueRounds) override;
  void ShowJudgePads() override;
  void ShowWriteTrouble(const QString& Notice) override;
  void HideWinner() override;
  void ShowError(const QString& Message) override;

 protected:
  void closeEvent(QCloseEvent* Event) override;
  void contextMenuEvent(QContextMenuEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  QWidget* BuildButtons();
  void Refresh();

  TfrmDorvane& FBoard;
  TMatch& FMatch;
  TBoardPreview* FPreview = nullptr;
  QLabel* FClockLine = nullptr;
  QLabel* FRecordLine = nullptr;
  QLabel* FJournalLine = nullptr;
  QLabel* FJudgesLines = nullptr;
  QString FClockText;
  std::array<QPushButton*, TfrmDorvane::CommandCount> FButtons{};
  // The board is closing: the console follows without asking.
  bool FBoardClosing = false;
};

// The screen for the console beside a board on BoardScreen: the first other
// screen, or the board's own when there is no other.
QScreen* ConsoleScreen(const QScreen* BoardScreen);
