#include "board/OperatorConsole.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "board/BoardFocus.h"
#include "board/BoardPreview.h"
#include "clock/RoundFlow.h"
#include "clock/TimerThread.h"
#include "input/JudgeSlots.h"
#include "input/Judges.h"
#include "match/Match.h"
#include "model/Labels.h"
#include "model/Settings.h"
#include "record/MatchRecords.h"
#include "widgets/MessageBoxes.h"

namespace {

// The console's texts, in their own context of the translations.
class Console {
  Q_DECLARE_TR_FUNCTIONS(Console)
};

QString ClockStateName(const TRoundFlow::TClockReading& Clock) {
  if (!Clock.Exists) return Console::tr("stopped");
  switch (Clock.State) {
    case csRunning:
      return Console::tr("running");
    case csPaused:
      return Console::tr("paused");
    case csInjury:
      return Console::tr("injury time");
    case csBreak:
      return Console::tr("break");
    case csPointGap:
    case csPointCeiling:
      return Console::tr("decided");
    case csEnded:
      break;
  }
  return Console::tr("ended");
}

}  // namespace

QScreen* ConsoleScreen(const QScreen* BoardScreen) {
  for (QScreen* Screen : QGuiApplication::screens()) {
    if (Screen != BoardScreen) return Screen;
  }
  return const_cast<QScreen*>(BoardScreen);
}

TfrmConsole::TfrmConsole(TfrmDorvane& Board, TMatch& Match) : FBoard(Board), FMatch(Match) {
  setObjectName(QStringLiteral("frmConsole"));
  setWindowTitle(Console::tr("Dorvane - operator console"));
  // The board's menu serves as the menu bar's and the context menu; its
  // keys are the board's command actions, added here so they work in either window.
  QMenu* Menu = Board.PopupMenu();
  Menu->setTitle(Console::tr("&Match"));
  menuBar()->addMenu(Menu);
  for (QAction* Command : Board.actions()) addAction(Command);

  auto* Central = new QWidget(this);
  auto* Layout = new QVBoxLayout(Central);
  FPreview = new TBoardPreview(Board, Central);
  Layout->addWidget(FPreview, 1);
  FClockLine = new QLabel(Central);
  FClockLine->setObjectName(QStringLiteral("lblConsoleClock"));
  FRecordLine = new QLabel(Central);
  FRecordLine->setObjectName(QStringLiteral("lblConsoleRecord"));
  FJournalLine = new QLabel(Central);
  FJournalLine->setObjectName(QStringLiteral("lblConsoleJournal"));
  FJudgesLines = new QLabel(Central);
  FJudgesLines->setObjectName(QStringLiteral("lblConsoleJudges"));
  for (QLabel* Line : {FClockLine, FRecordLine, FJournalLine, FJudgesLines}) {
    Line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Layout->addWidget(Line);
  }
  Layout->addWidget(BuildButtons());
  setCentralWidget(Central);

  new TBoardFocusKeeper(this);
  Board.installEventFilter(this);
  Board.SetOperatorWindow(this);
  // The clock's text until its next change.
  if (const QLabel* Clock = Board.Label(QStringLiteral("lblCountDown"))) FClockText = Clock->text();
  Match.Attach(*this);
  Match.UpdateCommands();
  Refresh();
}

TfrmConsole::~TfrmConsole() {
  FMatch.Detach(*this);
  FBoard.removeEventFilter(this);
  FBoard.SetOperatorWindow(nullptr);
  FBoard.PopupMenu()->setTitle(QString());
}

QWidget* TfrmConsole::BuildButtons() {
  using C = TfrmDorvane::TCommand;
  struct TButtonDef {
    C Command;
    QString Caption;
  };
  const QString Deduction = DeductionText();
  const QString Warning = WarningText();
  auto SideRow = [&](C Add, C Minus, C DeductionAdd, C DeductionMinus, C WarningAdd,
                     C WarningMinus) {
    return std::vector<TButtonDef>{{Add, Console::tr("Point +")},
                                   {Minus, Console::tr("Point -")},
                                   {DeductionAdd, Deduction + QStringLiteral(" +")},
                                   {DeductionMinus, Deduction + QStringLiteral(" -")},
                                   {WarningAdd, Warning + QStringLiteral(" +")},
                                   {WarningMinus, Warning + QStringLiteral(" -")}};
  };
  const std::vector<TButtonDef> Rows[] = {
      SideRow(C::F2, C::ShiftF2, C::F3, C::ShiftF3, C::F4, C::ShiftF4),
      SideRow(C::F5, C::ShiftF5, C::F6, C::ShiftF6, C::F7, C::ShiftF7),
      {{C::CtrlG, StartText()},
       {C::CtrlS, StopText()},
       {C::CtrlP, PauseText()},
       {C::CtrlI, InjuryText()},
       {C::CtrlDown, Console::tr("Clock -1 s")},
       {C::CtrlUp, Console::tr("Clock +1 s")},
       {C::CtrlN, Console::tr("New game")}},
  };
  const QString RowNames[] = {Console::tr("Red"), Console::tr("Blue"), Console::tr("Clock")};
  auto* Panel = new QWidget(this);
  auto* Grid = new QGridLayout(Panel);
  for (int Row = 0; Row < 3; ++Row) {
    Grid->addWidget(new QLabel(RowNames[Row], Panel), Row, 0);
    int Column = 1;
    for (const TButtonDef& Def : Rows[Row]) {
      auto* Button = new QPushButton(Def.Caption, Panel);
      QAction* Command = FBoard.CommandAction(Def.Command);
      Button->setToolTip(Command->shortcut().toString(QKeySequence::NativeText));
      Button->setFocusPolicy(Qt::NoFocus);  // the keys stay with the window
      connect(Button, &QPushButton::clicked, Command, &QAction::trigger);
      FButtons[Def.Command] = Button;
      Grid->addWidget(Button, Row, Column++);
    }
  }
  return Panel;
}

void TfrmConsole::ShowOn(QScreen* Screen) {
  if (Screen) {
    setScreen(Screen);
    const QRect Area = Screen->availableGeometry();
    resize(QSize(1000, 720).boundedTo(Area.size() * 9 / 10));
    move(Area.center() - rect().center());
  }
  show();
  // The operator's keys go here, not to the board that opened first.
  activateWindow();
}

QString TfrmConsole::ClockStatus() const { return FClockLine->text(); }
QString TfrmConsole::RecordStatus() const { return FRecordLine->text(); }
QString TfrmConsole::JournalStatus() const { return FJournalLine->text(); }
QString TfrmConsole::JudgesStatus() const { return FJudgesLines->text(); }

void TfrmConsole::Refresh() {
  const TRoundFlow::TClockReading Clock = FMatch.RoundFlow().ClockReading();
  FClockLine->setText(Console::tr("Clock: %1, %2").arg(ClockStateName(Clock), FClockText));
  // Corrections only while the clock stands still.
  const bool Correctable = !Clock.Exists || Clock.State == csPaused;
  FButtons[TfrmDorvane::CtrlUp]->setEnabled(Correctable);
  FButtons[TfrmDorvane::CtrlDown]->setEnabled(Correctable);
  // Rules without half penalties turn the warning commands off.
  for (TfrmDorvane::TCommand Warning :
       {TfrmDorvane::F4, TfrmDorvane::ShiftF4, TfrmDorvane::F7, TfrmDorvane::ShiftF7}) {
    FButtons[Warning]->setVisible(FBoard.CommandAction(Warning)->isEnabled());
  }

  const TMatchRecords& Records = FMatch.Records();
  const TTKDConfig& Config = FMatch.Config();
  const QString Path = Records.FilePath();
  if (Path.isEmpty() || !(Config.SaveScores || Config.SaveInput)) {
    FRecordLine->setText(Console::tr("Record: off"));
  } else {
    const QString Name = QFileInfo(Path).fileName();
    switch (Records.WriteState()) {
      case TMatchRecords::TWriteState::NoneYet:
        FRecordLine->setText(Console::tr("Record: %1, nothing written yet").arg(Name));
        break;
      case TMatchRecords::TWriteState::Writing:
        FRecordLine->setText(Console::tr("Record: %1, writing").arg(Name));
        break;
      case TMatchRecords::TWriteState::CannotWrite:
        FRecordLine->setText(Console::tr("Record: cannot write"));
        break;
    }
  }
  FRecordLine->setToolTip(Path);
  FJournalLine->setText(FMatch.JournalCannotWrite() ? Console::tr("Journal: cannot write")
                                                    : Console::tr("Journal: writing"));

  QStringList Judges;
  const TJudgePadStatuses Pads = JudgePadStatuses(FMatch.Judges(), FMatch.Config().NumButtons);
  for (int32_t Index = 0; Index < std::min(FMatch.Judges().Count(), MaxJudges); ++Index) {
    Judges << JudgePadLine(Index + 1, Pads[static_cast<size_t>(Index)]);
  }
  FJudgesLines->setText(Judges.isEmpty() ? Console::tr("Judges: no pads")
                                         : Judges.join(QLatin1Char('\n')));
  FPreview->update();
}

// ---- The match's changes: the preview redraws, the buttons follow ----

void TfrmConsole::ShowRound(int32_t, bool) { FPreview->update(); }
void TfrmConsole::ShowScore(TSide, const TDorvaneMgr&) { FPreview->update(); }
void TfrmConsole::ShowPenalty(TSide, const TDorvaneMgr&) { FPreview->update(); }
void TfrmConsole::ShowAllScores(const TDorvaneMgr&) { FPreview->update(); }
void TfrmConsole::ShowPlayers(const QString&, const QString&, const QString&) {
  FPreview->update();
}
void TfrmConsole::SetClockText(const QString& Text) {
  FClockText = Text;
  FPreview->update();
}
void TfrmConsole::SetClockColor(TColor) { FPreview->update(); }
void TfrmConsole::SetStateText(const QString&) { FPreview->update(); }
void TfrmConsole::SetStateColor(TColor) { FPreview->update(); }
void TfrmConsole::SetPauseButtonCaption(const QString& Caption) {
  FButtons[TfrmDorvane::CtrlP]->setText(Caption);
}
void TfrmConsole::SetPauseButtonEnabled(bool Enabled) {
  FButtons[TfrmDorvane::CtrlP]->setEnabled(Enabled);
}
void TfrmConsole::SetInjuryButtonCaption(const QString& Caption) {
  FButtons[TfrmDorvane::CtrlI]->setText(Caption);
}
void TfrmConsole::SetInjuryButtonEnabled(bool Enabled) {
  FButtons[TfrmDorvane::CtrlI]->setEnabled(Enabled);
}
void TfrmConsole::SetClockCommandsEnabled(bool ClockExists) {
  FButtons[TfrmDorvane::CtrlG]->setEnabled(!ClockExists);
  FButtons[TfrmDorvane::CtrlS]->setEnabled(ClockExists);
  FButtons[TfrmDorvane::CtrlN]->setEnabled(!ClockExists);
  Refresh();
}
void TfrmConsole::SetRoundField(int) {}
// The match looks at the pads a few times a second: the status lines (pads,
// record file, clock state) follow at each look.
void TfrmConsole::ShowJudgePads() { Refresh(); }
void TfrmConsole::ShowWriteTrouble(const QString&) { Refresh(); }
void TfrmConsole::ShowWinner(TSide, bool) { FPreview->update(); }
void TfrmConsole::ShowJudgeLight(TSide, int32_t, TColor) { FPreview->update(); }
void TfrmConsole::ShowRoundsWon(int32_t, int32_t) { FPreview->update(); }
void TfrmConsole::HideWinner() { FPreview->update(); }
// The board, the first view, shows errors over this window.
void TfrmConsole::ShowError(const QString&) {}

// ---- Closing together ----

void TfrmConsole::closeEvent(QCloseEvent* Event) {
  if (!FBoardClosing &&
      !AskYesNo(this, Console::tr(
                          "The board cannot be driven without the console. Close both windows?"))) {
    Event->ignore();
    return;
  }
  Event->accept();
  FBoardClosing = true;
  FBoard.close();
}

bool TfrmConsole::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == &FBoard && Event->type() == QEvent::Close && !FBoardClosing) {
    // Only once the board has agreed to close, so a refused close keeps both.
    QTimer::singleShot(0, this, [this] {
      if (FBoard.isVisible()) return;
      FBoardClosing = true;
      close();
    });
  }
  return false;
}

void TfrmConsole::contextMenuEvent(QContextMenuEvent* Event) {
  FBoard.PopupMenu()->popup(Event->globalPos());
}
