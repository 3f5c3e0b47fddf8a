#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "model/VoteButtons.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;
class TBoardShape;
class TJoyButton;
class TJudge;
class TJudgeList;
class TMyJoyStick;
class TSysJoySticks;
class TTKDConfig;

// "Gamepad management": tests the judges' gamepads and gives a judge other
// vote buttons for the rest of the run. It shows the vote buttons the rule set
// in force scores (1 to 3, or 1 to 5 under best of three); the others keep
// their buttons. While shown it polls the gamepads itself, so it must only be
// open while no clock runs. Owns neither list.
class TfrmTestButtons : public QDialog {
  Q_OBJECT

 public:
  TfrmTestButtons(QWidget* Owner, TSysJoySticks& JoySticks, TJudgeList& Judges,
                  const TTKDConfig& Config);
  ~TfrmTestButtons() override;

  QListWidget* lstJudge;
  // A field for each of VoteButtons, in that order.
  std::array<QLineEdit*, VoteButtons.size()> edtVotes;
  QLabel* lblLastJudge;
  QLabel* lblLastBtn;
  // Each judge's pad (name, connected, last press) and the spare pads.
  QLabel* lblPads;
  TBoardShape* shpR;
  TBoardShape* shpB;
  QPushButton* btnClear;
  QPushButton* btnApply;
  QPushButton* btnClose;
  // Polls the gamepads while the dialog is shown.
  QTimer* tmrPoll;
  QTimer* tmrHandset;

  void lstJudgeClick();
  void btnClearClick() { ClearFields(); }
  // Throws TDorvaneError("'<text>' is not a valid integer value") at the
  // first field that is not a whole number; the fields before it are applied.
  void btnApplyClick();
  void tmrPollTimer();
  void TestButtonClick(TMyJoyStick& Sender, TJoyButton& Button, int32_t ButtonNumber,
                       double PressStart, bool& Handled);
  void TestJoySticksPolled();
  void tmrHandSetTimer();
  // Whether the rule set in force scores VoteButtons[Vote], so its field shows.
  bool InPlay(size_t Vote) const;
  // The shown fields hold non-empty button texts, all different once trimmed.
  bool AssignmentsValid() const;

 protected:
  void showEvent(QShowEvent* Event) override;

 private:
  void BuildDialog();
  void FormShow();
  void FormDestroy();
  void ClearFields();
  // The selected judge; null when no line is selected.
  TJudge* SelectedJudge() const;
  QString JudgeText(int32_t Position) const;

  TSysJoySticks& FJoySticks;
  TJudgeList& FJudges;
  const TTKDConfig& FConfig;
};

// Shows the dialog modally and frees it when it closes, also on failure.
void ShowGamepadManager(QWidget* Owner, TSysJoySticks& JoySticks, TJudgeList& Judges,
                        const TTKDConfig& Config);
