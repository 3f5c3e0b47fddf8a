// The judges' pads on the board: a mark on the lights of a judge whose pad is
// missing, and the state line's notice while too few pads are connected.

#include "board/BoardShapes.h"
#include "board/MissingPadMark.h"
#include "board/ScoreDisplay.h"
#include "input/GamepadWatch.h"
#include "model/Settings.h"

void TfrmDorvane::WatchJudgePads() {
  for (size_t Judge = 0; Judge < FMissingMarks.size(); ++Judge) {
    FMissingMarks[Judge] = {{new TMissingPadMark(shpR[Judge]), new TMissingPadMark(shpB[Judge])}};
  }
  FGamepadWatch = std::make_unique<TGamepadWatch>(*FJoySticks, *FJudges, *Settings,
                                                  TJudgeLights{shpR[0], shpR[1], shpR[2], shpR[3]},
                                                  TJudgeLights{shpB[0], shpB[1], shpB[2], shpB[3]});
  FGamepadWatch->OnChecked = [this] { ShowJudgePads(); };
  ShowJudgePads();
}

void TfrmDorvane::ShowJudgePads() {
  const TJudgePadStatuses Statuses = JudgePadStatuses(*FJudges, Settings->NumButtons);
  const bool Electronic = Settings->UseElectronicScoring;
  for (size_t Judge = 0; Judge < FMissingMarks.size(); ++Judge) {
    const TJudgePadStatus& Status = Statuses[Judge];
    const bool Missing = Electronic && Status.Expected && !Status.Connected;
    for (QWidget* Mark : FMissingMarks[Judge]) Mark->setVisible(Missing);
  }
  const QString Notice = MissingJudgesText(Statuses, Electronic, Settings->NumButtons);
  if (Notice == FJudgesNotice) return;
  FJudgesNotice = Notice;
  SetStateText(FRoundStateText);
}
