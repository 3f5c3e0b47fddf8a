#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

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
// vote buttons for the rest of the run. While shown it polls the gamepads
// itself, so it must only be open while no clock runs. Owns neither list.
class TfrmTestButtons : public QDialog {
  Q_OBJECT

 public:
  TfrmTestButtons(QWidget* Owner, TSysJoySticks& JoySticks, TJudgeList& Judges,
                  const TTKDConfig& Config);
  ~TfrmTestButtons() override;

  QListWidget* lstJudge;
  QLineEdit* edtRedOnePoint;
  QLineEdit* edtRedTwoPoint;
  QLineEdit* edtRedThreePoint;
  QLineEdit* edtBlueOnePoint;
  QLineEdit* edtBlueTwoPoint;
  QLineEdit* edtBlueThreePoint;
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
  // Six non-empty button texts, all different once trimmed.
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
  // The six fields in the order red one, two, three, blue one, two, three.
  std::array<QLineEdit*, 6> Fields() const;

  TSysJoySticks& FJoySticks;
  TJudgeList& FJudges;
  const TTKDConfig& FConfig;
};

// Shows the dialog modally and frees it when it closes, also on failure.
void ShowGamepadManager(QWidget* Owner, TSysJoySticks& JoySticks, TJudgeList& Judges,
                        const TTKDConfig& Config);
