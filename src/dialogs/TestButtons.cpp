#include "dialogs/TestButtons.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>

#include "input/ElectronicScoring.h"
#include "input/GamepadDevices.h"
#include "input/Judges.h"
#include "input/PadStatusText.h"
#include "model/DorvaneError.h"
#include "model/NumberText.h"
#include "model/Settings.h"
#include "model/VoteButtons.h"
#include "platform/TimeSource.h"
#include "widgets/BoardShapes.h"
#include "widgets/MessageBoxes.h"

namespace {

constexpr int PollMs = 10;
// "None" for a judge and for a button: some languages say it differently.
QString NoJudgeText() { return QCoreApplication::translate("Gamepads", "None", "no judge"); }
QString NoButtonText() { return QCoreApplication::translate("Gamepads", "None", "no button"); }

QLineEdit* AddButtonField(QFormLayout* Form, const QString& Caption, const char* Name) {
  auto* Field = new QLineEdit;
  Field->setObjectName(QLatin1String(Name));
  auto* Label = new QLabel(Caption);
  Label->setBuddy(Field);
  Form->addRow(Label, Field);
  return Field;
}

TBoardShape* AddLight(QWidget* Parent, QGridLayout* Grid, int Row, const QString& Caption,
                      const char* Name) {
  auto* Light = new TBoardShape(Parent, clUnlitLight);
  Light->setObjectName(QLatin1String(Name));
  Light->setFixedSize(36, 36);
  Grid->addWidget(new QLabel(Caption), Row, 0);
  Grid->addWidget(Light, Row, 1);
  return Light;
}

}  // namespace

TfrmTestButtons::TfrmTestButtons(QWidget* Owner, TSysJoySticks& JoySticks, TJudgeList& Judges,
                                 const TTKDConfig& Config)
    : QDialog(Owner), FJoySticks(JoySticks), FJudges(Judges), FConfig(Config) {
  setObjectName(QStringLiteral("frmTestButtons"));
  setWindowTitle(QCoreApplication::translate("Gamepads", "Gamepad management"));
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setSizeGripEnabled(true);
  BuildDialog();
  // Before the first show, so the dialog is sized to the rows it shows.
  for (size_t Vote = 0; Vote < VoteButtons.size(); ++Vote) {
    auto* Form = qobject_cast<QFormLayout*>(edtVotes[Vote]->parentWidget()->layout());
    Form->setRowVisible(edtVotes[Vote], InPlay(Vote));
  }

  tmrPoll = new QTimer(this);
  tmrPoll->setInterval(PollMs);
  connect(tmrPoll, &QTimer::timeout, this, [this] { tmrPollTimer(); });
  tmrHandset = new QTimer(this);
  tmrHandset->setInterval(PollMs);
  connect(tmrHandset, &QTimer::timeout, this, [this] { tmrHandSetTimer(); });

  connect(lstJudge, &QListWidget::currentRowChanged, this, [this] { lstJudgeClick(); });
  connect(btnClear, &QPushButton::clicked, this, [this] { btnClearClick(); });
  connect(btnApply, &QPushButton::clicked, this, [this] {
    try {
      btnApplyClick();
    } catch (const TDorvaneError& Error) {
      ShowErrorBox(this, Error.Message());
    }
  });
  connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmTestButtons::~TfrmTestButtons() { FormDestroy(); }

void TfrmTestButtons::BuildDialog() {
  lstJudge = new QListWidget;
  lstJudge->setObjectName(QStringLiteral("lstJudge"));
  auto* JudgesLabel = new QLabel(QCoreApplication::translate("Gamepads", "&Judges"));
  JudgesLabel->setBuddy(lstJudge);
  lblPads = new QLabel;
  lblPads->setObjectName(QStringLiteral("lblPads"));

  auto* RedGroup = new QGroupBox(QCoreApplication::translate("Gamepads", " Red player "));
  auto* RedForm = new QFormLayout(RedGroup);
  auto* BlueGroup = new QGroupBox(QCoreApplication::translate("Gamepads", " Blue player "));
  auto* BlueForm = new QFormLayout(BlueGroup);
  for (size_t Vote = 0; Vote < VoteButtons.size(); ++Vote) {
    const TVoteButtonDef& Def = VoteButtons[Vote];
    edtVotes[Vote] = AddButtonField(Def.Side == TSide::Red ? RedForm : BlueForm,
                                    QCoreApplication::translate("Gamepads", Def.Caption),
                                    Def.FieldName);
  }

  auto* Status = new QGridLayout;
  lblLastJudge = new QLabel(NoJudgeText());
  lblLastJudge->setObjectName(QStringLiteral("lblLastJudge"));
  lblLastBtn = new QLabel(NoButtonText());
  lblLastBtn->setObjectName(QStringLiteral("lblLastBtn"));
  Status->addWidget(new QLabel(QCoreApplication::translate("Gamepads", "Last judge")), 0, 0);
  Status->addWidget(lblLastJudge, 0, 1);
  Status->addWidget(new QLabel(QCoreApplication::translate("Gamepads", "Last button")), 1, 0);
  Status->addWidget(lblLastBtn, 1, 1);
  shpR = AddLight(this, Status, 2, QCoreApplication::translate("Gamepads", "Red player"), "shpR");
  shpB = AddLight(this, Status, 3, QCoreApplication::translate("Gamepads", "Blue player"), "shpB");
  Status->setColumnStretch(2, 1);

  btnClear = new QPushButton(QCoreApplication::translate("Gamepads", "C&lear"));
  btnApply = new QPushButton(QCoreApplication::translate("Gamepads", "&Apply"));
  btnApply->setEnabled(false);
  btnClose = new QPushButton(QCoreApplication::translate("Gamepads", "&Close"));
  btnClose->setDefault(true);
  auto* Commands = new QHBoxLayout;
  Commands->addStretch();
  Commands->addWidget(btnClear);
  Commands->addWidget(btnApply);
  Commands->addWidget(btnClose);

  auto* JudgeColumn = new QVBoxLayout;
  JudgeColumn->addWidget(JudgesLabel);
  JudgeColumn->addWidget(lstJudge);
  JudgeColumn->addWidget(lblPads);
  auto* FieldColumn = new QVBoxLayout;
  FieldColumn->addWidget(RedGroup);
  FieldColumn->addWidget(BlueGroup);
  FieldColumn->addLayout(Status);
  auto* Columns = new QHBoxLayout;
  Columns->addLayout(JudgeColumn);
  Columns->addLayout(FieldColumn, 1);
  auto* Main = new QVBoxLayout(this);
  Main->addLayout(Columns, 1);
  Main->addLayout(Commands);
}

bool TfrmTestButtons::InPlay(size_t Vote) const {
  return VoteButtons[Vote].Points <= MaxVotePoints(FConfig);
}

void TfrmTestButtons::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  if (QScreen* Screen = screen()) {
    move(Screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
  }
  FormShow();
}

void TfrmTestButtons::FormShow() {
  {
    const QSignalBlocker Quiet(lstJudge);
    lstJudge->clear();
    for (int32_t Index = 0; Index < FJudges.Count(); ++Index) {
      lstJudge->addItem(JudgeText(Index + 1));
    }
    if (lstJudge->count() > 0) lstJudge->setCurrentRow(0);
  }
  if (lstJudge->count() > 0) lstJudgeClick();

  const auto Pads = FJoySticks.LockList();
  for (int32_t Index = 0; Index < Pads.Count(); ++Index) {
    Pads[Index].OnButtonClick = [this](TMyJoyStick& Sender, TJoyButton& Button,
                                       int32_t ButtonNumber, double PressStart, bool& Handled) {
      TestButtonClick(Sender, Button, ButtonNumber, PressStart, Handled);
    };
  }
  FJoySticks.OnPoll = [this](TSysJoySticks&) { TestJoySticksPolled(); };
  if (!tmrPoll->isActive()) tmrPoll->start();
}

void TfrmTestButtons::FormDestroy() {
  tmrPoll->stop();
  tmrHandset->stop();
  const auto Pads = FJoySticks.LockList();
  for (int32_t Index = 0; Index < Pads.Count(); ++Index) Pads[Index].OnButtonClick = nullptr;
  FJoySticks.OnPoll = nullptr;
}

QString TfrmTestButtons::JudgeText(int32_t Position) const {
  return QCoreApplication::translate("Gamepads", "Judge ") + QString::number(Position);
}

TJudge* TfrmTestButtons::SelectedJudge() const {
  const int Row = lstJudge->currentRow();
  if (Row < 0 || Row >= lstJudge->count() || Row >= FJudges.Count()) return nullptr;
  return &FJudges[Row];
}

void TfrmTestButtons::ClearFields() {
  for (QLineEdit* Field : edtVotes) Field->clear();
}

void TfrmTestButtons::lstJudgeClick() {
  lblLastBtn->setText(NoButtonText());
  lblLastJudge->setText(NoJudgeText());
  const TJudge* Judge = SelectedJudge();
  if (!Judge) {
    ClearFields();
    return;
  }
  // A button the judge's gamepad lacks leaves its field as it was.
  for (size_t Vote = 0; Vote < VoteButtons.size(); ++Vote) {
    if (const TJoyButton* Button = Judge->Votes[Vote]) {
      edtVotes[Vote]->setText(QString::number(Button->Number));
    }
  }
  btnApply->setEnabled(false);
}

bool TfrmTestButtons::AssignmentsValid() const {
  for (size_t Vote = 0; Vote < VoteButtons.size(); ++Vote) {
    if (!InPlay(Vote)) continue;
    const QString Text = edtVotes[Vote]->text().trimmed();
    if (Text.isEmpty()) return false;
    for (size_t Other = Vote + 1; Other < VoteButtons.size(); ++Other) {
      if (InPlay(Other) && Text == edtVotes[Other]->text().trimmed()) return false;
    }
  }
  return true;
}

void TfrmTestButtons::btnApplyClick() {
  TJudge* Judge = SelectedJudge();
  if (!Judge || !Judge->JoyStick) return;
  for (size_t Vote = 0; Vote < VoteButtons.size(); ++Vote) {
    if (!InPlay(Vote)) continue;
    const QString Text = edtVotes[Vote]->text();
    const std::optional<int32_t> Number = ParseIntegerText(Text);
    if (!Number) {
      throw TDorvaneError(
          QCoreApplication::translate("Gamepads", "'%1' is not a valid integer value").arg(Text));
    }
    Judge->Votes[Vote] = Judge->JoyStick->Buttons.FindButton(*Number);
  }
  btnApply->setEnabled(false);
}

void TfrmTestButtons::tmrPollTimer() {
  FJoySticks.Poll();
  const QString Pads = PadStatusText(FJudges, FJoySticks, FConfig.NumButtons);
  if (lblPads->text() != Pads) lblPads->setText(Pads);
}

// Runs inside the poll with the gamepad list's and Sender's button lock held.
void TfrmTestButtons::TestButtonClick(TMyJoyStick& Sender, TJoyButton&, int32_t ButtonNumber,
                                      double, bool& Handled) {
  lblLastBtn->setText(QString::number(ButtonNumber));
  QString Judge = NoJudgeText();
  for (int32_t Index = 0; Index < lstJudge->count() && Index < FJudges.Count(); ++Index) {
    if (FJudges[Index].JoyStick == &Sender) {
      Judge = JudgeText(Index + 1);
      break;
    }
  }
  lblLastJudge->setText(Judge);
  Handled = true;
  if (!tmrHandset->isActive()) tmrHandset->start();
}

void TfrmTestButtons::TestJoySticksPolled() {
  TJudge* Judge = SelectedJudge();
  if (!Judge) return;
  tmrHandSetTimer();
  const double PollTime = Now();

  // A new press of one of the judge's vote buttons is shown and used up.
  TJoyButton* Vote = nullptr;
  for (size_t Index = 0; Index < VoteButtons.size(); ++Index) {
    TJoyButton* Button = Judge->Votes[Index];
    if (InPlay(Index) && Button && Button->IsPendingWithin(FConfig.Transiency, PollTime)) {
      Vote = Button;
    }
  }
  if (Vote) {
    Vote->Pending = false;
    lblLastBtn->setText(QString::number(Vote->Number));
    lblLastJudge->setText(JudgeText(lstJudge->currentRow() + 1));
    return;
  }

  // A held button is learned into the focused field.
  if (!Judge->JoyStick) return;
  int32_t Held = 0;
  {
    const auto Buttons = Judge->JoyStick->Buttons.LockList();
    for (int32_t Index = 0; Index < Buttons.Count() && Held == 0; ++Index) {
      if (Buttons[Index].IsDown()) Held = Buttons[Index].Number;
    }
  }
  if (Held == 0) return;
  lblLastBtn->setText(QString::number(Held));
  for (QLineEdit* Field : edtVotes) {
    if (focusWidget() != Field) continue;
    Field->setText(QString::number(Held));
    btnApply->setEnabled(AssignmentsValid());
    if (btnApply->isEnabled()) btnApply->setFocus();
    break;
  }
}

void TfrmTestButtons::tmrHandSetTimer() {
  const TJudge* Judge = SelectedJudge();
  if (!Judge) return;
  KeepRefreshing(*tmrHandset, ShowJudgeLights(*Judge, shpR, shpB, Now(), FConfig) > 0);
}

void ShowGamepadManager(QWidget* Owner, TSysJoySticks& JoySticks, TJudgeList& Judges,
                        const TTKDConfig& Config) {
  const auto Dialog = std::make_unique<TfrmTestButtons>(Owner, JoySticks, Judges, Config);
  Dialog->exec();
}
