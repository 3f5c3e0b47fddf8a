#include "input/PadStatusText.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

#include "input/GamepadDevices.h"
#include "input/JudgeSlots.h"

QString PadStatusText(const TJudgeList& Judges, const TSysJoySticks& JoySticks,
                      int32_t NumButtons) {
  QStringList Lines;
  const TJudgePadStatuses Statuses = JudgePadStatuses(Judges, NumButtons);
  for (int32_t Index = 0; Index < MaxJudges; ++Index) {
    const TJudgePadStatus& Status = Statuses[static_cast<size_t>(Index)];
    if (Status.Expected) Lines << JudgePadLine(Index + 1, Status);
  }
  const auto Pads = JoySticks.LockList();
  for (int32_t Index = 0; Index < Pads.Count(); ++Index) {
    const TMyJoyStick& Pad = Pads[Index];
    bool Seated = false;
    for (int32_t Judge = 0; Judge < Judges.Count(); ++Judge) {
      Seated = Seated || Judges[Judge].JoyStick == &Pad;
    }
    if (Pad.Attached && !Seated) {
      const QString Name = QString::fromStdString(Pad.Identity.Name);
      Lines << QCoreApplication::translate("Judges", "Spare: ") +
                   (Name.isEmpty() ? QCoreApplication::translate("Judges", "pad") : Name);
    }
  }
  return Lines.join(QLatin1Char('\n'));
}
