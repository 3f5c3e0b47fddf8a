// The judges' pads on the board: a mark on the lights of a judge whose pad is
// missing, and the state line's notice while too few pads are connected.

#include "board/MissingPadMark.h"
#include "board/ScoreDisplay.h"
#include "input/JudgeSlots.h"
#include "match/Match.h"
#include "model/Settings.h"
#include "widgets/BoardShapes.h"

void TfrmDorvane::WatchJudgePads() {
  for (size_t Judge = 0; Judge < FMissingMarks.size(); ++Judge) {
    FMissingMarks[Judge] = {{new TMissingPadMark(shpR[Judge]), new TMissingPadMark(shpB[Judge])}};
  }
  ShowJudgePads();
}

void TfrmDorvane::ShowJudgePads() {
  const TJudgePadStatuses Statuses = JudgePadStatuses(FMatch.Judges(), FConfig.NumButtons);
  // Before the pads are first looked for, none is missing yet.
  const bool Electronic = FConfig.UseElectronicScoring && FMatch.GamepadsLookedFor();
  for (size_t Judge = 0; Judge < FMissingMarks.size(); ++Judge) {
    const TJudgePadStatus& Status = Statuses[Judge];
    const bool Missing = Electronic && Status.Expected && !Status.Connected;
    for (QWidget* Mark : FMissingMarks[Judge]) Mark->setVisible(Missing);
  }
  const QString Notice = MissingJudgesText(Statuses, Electronic, FConfig.NumButtons);
  if (Notice == FJudgesNotice) return;
  FJudgesNotice = Notice;
  SetStateText(FRoundStateText);
}
