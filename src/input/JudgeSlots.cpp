#include "input/JudgeSlots.h"

#include <QCoreApplication>
#include <algorithm>

#include "input/GamepadDevices.h"
#include "model/Settings.h"
#include "record/MatchRecords.h"

TJudgeSlots::TJudgeSlots(TJudgeList& Judges, const TJudgeLights& RedLights,
                         const TJudgeLights& BlueLights)
    : FJudges(Judges), FRedLights(RedLights), FBlueLights(BlueLights) {}

void TJudgeSlots::Update(const std::vector<TMyJoyStick*>& Added, const TTKDConfig& Config) {
  for (int32_t Index = 0; Index < FJudges.Count(); ++Index) {
    const TMyJoyStick* Pad = FJudges[Index].JoyStick;
    if (Pad && !Pad->Attached) Vacate(Index);
  }
  for (TMyJoyStick* Pad : Added) {
    if (Pad->Attached) Seat(*Pad, Config);
  }
}

void TJudgeSlots::Vacate(int32_t Index) {
  TJudge& Judge = FJudges[Index];
  TSeat& Seat = FSeats[static_cast<size_t>(Index)];
  Seat.Identity = Judge.JoyStick->Identity;
  // A button the pad lacked keeps the number the seat had.
  for (size_t Vote = 0; Vote < VoteButtons.size(); ++Vote) {
    TJoyButton*& Button = Judge.Votes[Vote];
    if (Button) Seat.Numbers[Vote] = Button->Number;
    Button = nullptr;
  }
  Judge.JoyStick = nullptr;
}

void TJudgeSlots::Seat(TMyJoyStick& Pad, const TTKDConfig& Config) {
  // The lowest free seat, unless a higher one had a pad that looked the same.
  int32_t Free = -1;
  for (int32_t Index = 0; Index < FJudges.Count(); ++Index) {
    if (FJudges[Index].JoyStick) continue;
    if (FSeats[static_cast<size_t>(Index)].Identity == Pad.Identity) {
      Free = Index;
      break;
    }
    if (Free < 0) Free = Index;
  }
  if (Free >= 0) {
    SeatAtPad(FJudges[Free], Pad, FSeats[static_cast<size_t>(Free)].Numbers);
    return;
  }
  const int32_t Index = FJudges.Count();
  if (Index >= MaxJudges) return;
  TJudge& Judge = FJudges.Add();
  Judge.RedIndicator = FRedLights[static_cast<size_t>(Index)];
  Judge.BlueIndicator = FBlueLights[static_cast<size_t>(Index)];
  SeatAtPad(Judge, Pad, Config.VoteButtonNumbers);
}

TJudgePadStatuses JudgePadStatuses(const TJudgeList& Judges, int32_t NumButtons) {
  TJudgePadStatuses Statuses;
  for (int32_t Index = 0; Index < MaxJudges; ++Index) {
    TJudgePadStatus& Status = Statuses[static_cast<size_t>(Index)];
    const TMyJoyStick* Pad = Index < Judges.Count() ? Judges[Index].JoyStick : nullptr;
    Status.Expected = Index < NumButtons || Index < Judges.Count();
    Status.Connected = Pad && Pad->Attached;
    if (!Pad) continue;
    Status.PadName = QString::fromStdString(Pad->Identity.Name);
    Status.LastPress = Pad->LastPress;
  }
  return Statuses;
}

QString MissingJudgesText(const TJudgePadStatuses& Statuses, bool ElectronicScoring,
                          int32_t NumButtons) {
  const auto Connected = std::count_if(Statuses.begin(), Statuses.end(),
                                       [](const TJudgePadStatus& S) { return S.Connected; });
  if (!ElectronicScoring || Connected >= NumButtons) return {};
  return QCoreApplication::translate("Judges", "Judges: %1 of %2 pads connected")
      .arg(Connected)
      .arg(NumButtons);
}

QString JudgePadLine(int32_t JudgeNumber, const TJudgePadStatus& Status) {
  QString Line = QCoreApplication::translate("Judges", "Judge %1: ").arg(JudgeNumber);
  if (!Status.Connected) return Line + QCoreApplication::translate("Judges", "no pad");
  Line +=
      (Status.PadName.isEmpty() ? QCoreApplication::translate("Judges", "pad") : Status.PadName) +
      QCoreApplication::translate("Judges", ", connected, last press ");
  return Line + (Status.LastPress > 0 ? FormatRecordTime(Status.LastPress).mid(11)
                                      : QCoreApplication::translate("Judges", "none"));
}
