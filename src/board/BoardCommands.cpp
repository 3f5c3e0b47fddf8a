// The board's commands: one window-wide action per command carries its key;
// the buttons and the popup menu's entries trigger those actions, so a key,
// a button and an entry always run the same handler.

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QWidgetAction>

#include "board/HelpWindow.h"
#include "board/PopupMenuKeys.h"
#include "board/ScoreDisplay.h"
#include "clock/RoundFlow.h"
#include "dialogs/JudgesReport.h"
#include "dialogs/TestButtons.h"
#include "input/Judges.h"
#include "match/Match.h"
#include "model/DorvaneError.h"
#include "model/Labels.h"
#include "model/NumberText.h"
#include "model/Settings.h"
#include "platform/ProfileFile.h"
#include "platform/ProgramDir.h"
#include "platform/UserFolders.h"
#include "update/UpdateCheck.h"
#include "widgets/MessageBoxes.h"

namespace {

const char kKeyTextProperty[] = "keyText";

// A menu entry shows its key in the key column, after the tab, without
// owning the key: the window's command action does.
void SetEntryCaption(QAction* Entry, const QString& Caption) {
  const QString Key = Entry->property(kKeyTextProperty).toString();
  Entry->setText(Key.isEmpty() ? Caption : Caption + QLatin1Char('\t') + Key);
}

QString RequestNamesKey() { return QStringLiteral("RequestNames"); }
QString ConfigSection() { return QStringLiteral("Config"); }

}  // namespace

void TfrmDorvane::RunCommand(const std::function<void()>& Command) {
  // A message box lets the board paint: its texts are fitted first.
  const auto ShowFailure = [this](const QString& Message) {
    ReleaseFits();
    ShowErrorBox(OperatorWindow(), Message);
  };
  try {
    Command();
  } catch (const TDorvaneError& Error) {
    ShowFailure(Error.Message());
  } catch (const std::exception& Error) {
    ShowFailure(QString::fromLocal8Bit(Error.what()));
  }
}

void TfrmDorvane::BuildCommands() {
  struct TCommandBinding {
    TCommand Command;
    QKeySequence Key;
    void (TfrmDorvane::*Handler)();
  };
  const TCommandBinding Bindings[] = {
      {F2, Qt::Key_F2, &TfrmDorvane::mniRedAddClick},
      {ShiftF2, Qt::SHIFT | Qt::Key_F2, &TfrmDorvane::mniRedMinusClick},
      {F3, Qt::Key_F3, &TfrmDorvane::mniRed1PenaltyClick},
      {ShiftF3, Qt::SHIFT | Qt::Key_F3, &TfrmDorvane::mniRed1PenaltyMinusClick},
      {F4, Qt::Key_F4, &TfrmDorvane::mniRedHalfPointClick},
      {ShiftF4, Qt::SHIFT | Qt::Key_F4, &TfrmDorvane::mniRedHalfPointMinusClick},
      {F5, Qt::Key_F5, &TfrmDorvane::mniBlueAddClick},
      {ShiftF5, Qt::SHIFT | Qt::Key_F5, &TfrmDorvane::mniBlueMinusClick},
      {F6, Qt::Key_F6, &TfrmDorvane::mniBlue1PenaltyClick},
      {ShiftF6, Qt::SHIFT | Qt::Key_F6, &TfrmDorvane::mniBlue1PenaltyMinusClick},
      {F7, Qt::Key_F7, &TfrmDorvane::mniBlueHalfPointClick},
      {ShiftF7, Qt::SHIFT | Qt::Key_F7, &TfrmDorvane::mniBlueHalfPointMinusClick},
      {CtrlG, Qt::CTRL | Qt::Key_G, &TfrmDorvane::mniStartRoundClick},
      {CtrlS, Qt::CTRL | Qt::Key_S, &TfrmDorvane::mniStopRoundClick},
      {CtrlP, Qt::CTRL | Qt::Key_P, &TfrmDorvane::mniPause2Click},
      {CtrlI, Qt::CTRL | Qt::Key_I, &TfrmDorvane::mniStartInjuryTime2Click},
      {CtrlN, Qt::CTRL | Qt::Key_N, nullptr},
      {CtrlUp, Qt::CTRL | Qt::Key_Up, &TfrmDorvane::mniClockPlusClick},
      {CtrlDown, Qt::CTRL | Qt::Key_Down, &TfrmDorvane::mniClockMinusClick},
      {Help, Qt::Key_F1, &TfrmDorvane::HelpExecute},
      {CtrlX, Qt::CTRL | Qt::Key_X, &TfrmDorvane::mniExitClick},
  };
  for (const TCommandBinding& Binding : Bindings) {
    auto* Action = new QAction(this);
    Action->setShortcut(Binding.Key);
    Action->setShortcutContext(Qt::WindowShortcut);
    addAction(Action);
    FCommands[Binding.Command] = Action;
    // New game asks its questions only when a command asked for it.
    const std::function<void()> Run =
        Binding.Handler
            ? std::function<void()>([this, Handler = Binding.Handler] { (this->*Handler)(); })
            : std::function<void()>([this, Action] { mniNewGameClick(Action); });
    connect(Action, &QAction::triggered, this, [this, Run] { RunCommand(Run); });
  }
}

QAction* TfrmDorvane::AddMenuEntry(QMenu* Menu, const QString& Caption, TCommand Command,
                                   const QString& Hint) {
  auto* Entry = new QAction(Menu);
  const QString Key = FCommands[Command]->shortcut().toString(QKeySequence::NativeText);
  Entry->setProperty(kKeyTextProperty, Key);
  SetEntryCaption(Entry, Caption);
  Entry->setToolTip(QStringLiteral("%1 (%2)").arg(Hint, Key));
  Entry->setStatusTip(Hint);
  connect(Entry, &QAction::triggered, this, [this, Command] { FCommands[Command]->trigger(); });
  Menu->addAction(Entry);
  return Entry;
}

QMenu* TfrmDorvane::PopupMenu() {
  if (!mnuPopUp) BuildPopupMenu();
  return mnuPopUp;
}

void TfrmDorvane::BuildPopupMenu() {
  mnuPopUp = new QMenu(this);
  mnuPopUp->setObjectName(QStringLiteral("mnuPopUp"));
  mnuPopUp->setToolTipsVisible(true);
  auto AddPlainEntry = [this](QMenu* Menu, const QString& Caption, const QString& Hint,
                              void (TfrmDorvane::*Handler)()) {
    QAction* Entry = Menu->addAction(Caption);
    Entry->setToolTip(Hint);
    Entry->setStatusTip(Hint);
    connect(Entry, &QAction::triggered, this,
            [this, Handler] { RunCommand([this, Handler] { (this->*Handler)(); }); });
    return Entry;
  };

  mniNewGame = AddMenuEntry(mnuPopUp, QCoreApplication::translate("Board", "New game"), CtrlN,
                            QCoreApplication::translate("Board", "New game"));
  mniRequestPlayer =
      AddPlainEntry(mnuPopUp, QCoreApplication::translate("Board", "Request player names"),
                    QCoreApplication::translate("Board", "Request player names on new game"),
                    &TfrmDorvane::mniRequestPlayerClick);
  mniRequestPlayer->setCheckable(true);
  mnuPopUp->addSeparator();
  mniStartRound1 =
      AddMenuEntry(mnuPopUp, QString(), CtrlG, QCoreApplication::translate("Board", "Start round"));
  mniStopRound =
      AddMenuEntry(mnuPopUp, QString(), CtrlS, QCoreApplication::translate("Board", "Stop round"));
  mnuPopUp->addSeparator();

  // "Set round": a number field in the menu, acting on Enter or on leaving it.
  auto* SetRoundBox = new QWidget(mnuPopUp);
  auto* SetRoundLayout = new QHBoxLayout(SetRoundBox);
  SetRoundLayout->setContentsMargins(24, 2, 8, 2);
  SetRoundLayout->addWidget(
      new QLabel(QCoreApplication::translate("Board", "Set round"), SetRoundBox));
  mniSetRound = new QLineEdit(SetRoundBox);
  mniSetRound->setObjectName(QStringLiteral("mniSetRound"));
  mniSetRound->setFixedWidth(100);
  mniSetRound->setToolTip(QCoreApplication::translate("Board", "Set round"));
  SetRoundLayout->addWidget(mniSetRound);
  auto* SetRoundEntry = new QWidgetAction(mnuPopUp);
  SetRoundEntry->setDefaultWidget(SetRoundBox);
  mnuPopUp->addAction(SetRoundEntry);
  connect(mniSetRound, &QLineEdit::editingFinished, this, [this] { mniSetRoundChange(); });
  mnuPopUp->addSeparator();

  mniStartInjuryTime2 =
      AddMenuEntry(mnuPopUp, QString(), CtrlI, QCoreApplication::translate("Board", "Injury"));
  mniStartInjuryTime2->setCheckable(true);
  mniPause2 =
      AddMenuEntry(mnuPopUp, QString(), CtrlP, QCoreApplication::translate("Board", "Pause"));
  AddMenuEntry(
      mnuPopUp, QCoreApplication::translate("Board", "Clock +1 s"), CtrlUp,
      QCoreApplication::translate("Board", "One second more on a stopped or paused clock"));
  AddMenuEntry(
      mnuPopUp, QCoreApplication::translate("Board", "Clock -1 s"), CtrlDown,
      QCoreApplication::translate("Board", "One second less on a stopped or paused clock"));

  QMenu* RedGroup = mnuPopUp->addMenu(QCoreApplication::translate("Board", "Red"));
  AddMenuEntry(RedGroup, QCoreApplication::translate("Board", "Hong"), F2,
               QCoreApplication::translate("Board", "Hong +"));
  AddMenuEntry(RedGroup, QCoreApplication::translate("Board", "Hong"), ShiftF2,
               QCoreApplication::translate("Board", "Hong -"));
  RedGroup->addSeparator();
  mniRed1Penalty = AddMenuEntry(RedGroup, QString(), F3,
                                QCoreApplication::translate("Board", "1 point penalty +"));
  AddMenuEntry(RedGroup, QCoreApplication::translate("Board", "Red 1 point penalty -"), ShiftF3,
               QCoreApplication::translate("Board", "Red 1 point penalty -"));
  mniRedHalfPoint = AddMenuEntry(RedGroup, QString(), F4,
                                 QCoreApplication::translate("Board", "Half point penalty"));
  AddMenuEntry(RedGroup, QCoreApplication::translate("Board", "Red half point penalty -"), ShiftF4,
               QCoreApplication::translate("Board", "Red half point penalty -"));

  QMenu* BlueGroup = mnuPopUp->addMenu(QCoreApplication::translate("Board", "Blue"));
  AddMenuEntry(BlueGroup, QCoreApplication::translate("Board", "Chong"), F5,
               QCoreApplication::translate("Board", "Chong +"));
  AddMenuEntry(BlueGroup, QCoreApplication::translate("Board", "Chong"), ShiftF5,
               QCoreApplication::translate("Board", "Chong -"));
  BlueGroup->addSeparator();
  mniBlue1Penalty = AddMenuEntry(BlueGroup, QString(), F6,
                                 QCoreApplication::translate("Board", "1 point penalty +"));
  AddMenuEntry(BlueGroup, QCoreApplication::translate("Board", "Blue 1 point penalty -"), ShiftF6,
               QCoreApplication::translate("Board", "Blue 1 point penalty -"));
  mniBlueHalfPoint = AddMenuEntry(BlueGroup, QString(), F7,
                                  QCoreApplication::translate("Board", "Half point penalty"));
  AddMenuEntry(BlueGroup, QCoreApplication::translate("Board", "Blue half point penalty -"),
               ShiftF7, QCoreApplication::translate("Board", "Blue half point penalty -"));

  const QString BlueRetires = QCoreApplication::translate("Board", "Blue retires");
  AddPlainEntry(mnuPopUp, BlueRetires, BlueRetires, &TfrmDorvane::mniBlueRetiresClick);
  const QString RedRetires = QCoreApplication::translate("Board", "Red retires");
  AddPlainEntry(mnuPopUp, RedRetires, RedRetires, &TfrmDorvane::mniRedRetiresClick);
  mnuPopUp->addSeparator();
  AddBoardScreenMenu(mnuPopUp);
  AddPlainEntry(mnuPopUp, QCoreApplication::translate("Board", "Configuration"),
                QCoreApplication::translate("Board", "Configuration"),
                &TfrmDorvane::mniConfigurationClick);
  mniButtonMgr = AddPlainEntry(
      mnuPopUp, QCoreApplication::translate("Board", "Gamepad manager ..."),
      QCoreApplication::translate("Board", "Gamepad manager "), &TfrmDorvane::mniButtonMgrClick);
  mniJudgesReport =
      AddPlainEntry(mnuPopUp, QCoreApplication::translate("Board", "Judges' report"),
                    QCoreApplication::translate("Board", "Judges' presses in this match"),
                    &TfrmDorvane::mniJudgesReportClick);
  mnuPopUp->addSeparator();
  mniWebUpdate = AddPlainEntry(
      mnuPopUp, QCoreApplication::translate("Board", "Check for updates ..."),
      QCoreApplication::translate("Board", "Check for updates "), &TfrmDorvane::mniWebUpdateClick);
  // The package manager updates an installed copy.
  mniWebUpdate->setVisible(!IsInstalledCopy());
  AddPlainEntry(mnuPopUp, QCoreApplication::translate("Board", "Product news ..."),
                QCoreApplication::translate("Board", "Product news "),
                &TfrmDorvane::mniProductNewsClick);
  mnuPopUp->addSeparator();
  AddMenuEntry(mnuPopUp, QCoreApplication::translate("Board", "Exit"), CtrlX,
               QCoreApplication::translate("Board", "Exit"));

  new TPopupMenuKeys(
      mnuPopUp, mniSetRound, [this] { mniSetRoundChange(); },
      QList<QAction*>(FCommands.begin(), FCommands.end()));
  connect(mnuPopUp, &QMenu::aboutToShow, this, [this] { mnuPopUpPopup(); });
  // After any entry, also one in the Red or Blue group (their clicks reach
  // this menu's signal too).
  connect(mnuPopUp, &QMenu::triggered, this, [this] { FMatch.UpdateCommands(); });
  ShowStateInMenu();
}

void TfrmDorvane::ShowStateInMenu() {
  mniRequestPlayer->setChecked(FRequestNames);
  mniStartInjuryTime2->setChecked(FInjuryRunning);
  mniSetRound->setText(QString::number(FRoundShown));
  SetEntryCaptionsFromLabels();
  EnableMenuClockCommands();
}

void TfrmDorvane::EnableMenuClockCommands() {
  if (!mnuPopUp) return;
  mniNewGame->setEnabled(!FClockExists);
  mniButtonMgr->setEnabled(!FClockExists);
  mniJudgesReport->setEnabled(!FClockExists);
  mniStartRound1->setEnabled(!FClockExists);
  mniStopRound->setEnabled(FClockExists);
  mniWebUpdate->setEnabled(!FClockExists && !FUpdateCheck->InProgress());
}

void TfrmDorvane::SetCaptionsFromLabels() {
  // One read of the file per caption.
  SetButtonCaption(mniStartRound, StartText());
  SetButtonCaption(mniPause, PauseText());
  SetButtonCaption(mniStartInjuryTime, InjuryText());
  SetButtonCaption(btnRedDeduction, DeductionText());
  SetButtonCaption(btnBlueDeduction, DeductionText());
  SetButtonCaption(btnRedWarning, WarningText());
  SetButtonCaption(btnBlueWarning, WarningText());
  if (mnuPopUp) SetEntryCaptionsFromLabels();
}

void TfrmDorvane::SetEntryCaptionsFromLabels() {
  SetEntryCaption(mniStartRound1, StartText());
  SetEntryCaption(mniPause2, PauseText());
  SetEntryCaption(mniStartInjuryTime2, InjuryText());
  SetEntryCaption(mniBlue1Penalty, DeductionText());
  SetEntryCaption(mniRed1Penalty, DeductionText());
  SetEntryCaption(mniBlueHalfPoint, WarningText());
  SetEntryCaption(mniRedHalfPoint, WarningText());
  SetEntryCaption(mniStopRound, StopText());
}

void TfrmDorvane::mousePressEvent(QMouseEvent* Event) {
  // Labels, lights and markers pass their presses on to the board. The
  // audience never sees the menu while a console drives the board.
  if (Event->button() == Qt::RightButton && !FOperatorWindow) {
    ShowPopupMenu(Event->globalPosition().toPoint());
  }
}

void TfrmDorvane::btnPopupMenuClick() { ShowPopupMenu(QCursor::pos()); }

void TfrmDorvane::ShowPopupMenu(QPoint ScreenPos) { PopupMenu()->popup(ScreenPos); }

void TfrmDorvane::mnuPopUpPopup() { FMatch.UpdateCommands(); }

void TfrmDorvane::mniSetRoundChange() {
  // Leaving the field after Enter must not set the round a second time.
  if (!mniSetRound->isModified()) return;
  mniSetRound->setModified(false);
  RunCommand([this] { FMatch.SetRound(mniSetRound->text()); });
  FMatch.UpdateCommands();
}

bool TfrmDorvane::ReadRequestNames() const {
  const QString Text =
      ReadProfileString(SettingsFilePath(), ConfigSection(), RequestNamesKey(), QString());
  return ParseIntegerText(Text).value_or(1) != 0;
}

void TfrmDorvane::mniRequestPlayerClick() {
  const QString Path = SettingsFilePath();
  FRequestNames = mniRequestPlayer->isChecked();
  const QString Value = FRequestNames ? QStringLiteral("1") : QStringLiteral("0");
  if (!WriteProfileString(Path, ConfigSection(), RequestNamesKey(), Value)) {
    throw TDorvaneError(QCoreApplication::translate("Board", "Unable to write to %1")
                            .arg(QDir::toNativeSeparators(Path)));
  }
}

void TfrmDorvane::mniStartRoundClick() { FMatch.StartRound(); }
void TfrmDorvane::mniStopRoundClick() { FMatch.StopRound(); }
void TfrmDorvane::mniPause2Click() { FMatch.TogglePause(); }
void TfrmDorvane::mniStartInjuryTime2Click() { FMatch.ToggleInjury(); }
void TfrmDorvane::mniRedRetiresClick() { FMatch.Retire(TSide::Red); }
void TfrmDorvane::mniBlueRetiresClick() { FMatch.Retire(TSide::Blue); }
void TfrmDorvane::mniClockPlusClick() { FMatch.CorrectClock(+1); }
void TfrmDorvane::mniClockMinusClick() { FMatch.CorrectClock(-1); }

void TfrmDorvane::HelpExecute() { ShowOperatorHelp(OperatorWindow()); }

// The board's own Ctrl+X closes at once; asked anywhere else (the console),
// a running match is asked about first.
void TfrmDorvane::mniExitClick() {
  if (isActiveWindow() || ConfirmWhileMatchRuns(ExitQuestion())) close();
}

// The dialog polls the gamepads itself, so it never opens beside a clock run.
void TfrmDorvane::mniButtonMgrClick() {
  if (FMatch.RoundFlow().ClockExists()) return;
  ShowGamepadManager(OperatorWindow(), FMatch.JoySticks(), FMatch.Judges(), FConfig);
}

void TfrmDorvane::mniJudgesReportClick() {
  if (FMatch.RoundFlow().ClockExists()) return;
  ShowJudgesReport(this, FMatch.JudgesReport());
}
