#include "input/JudgePressLog.h"

#include <algorithm>
#include <cmath>

#include "input/GamepadDevices.h"
#include "input/Judges.h"
#include "model/VoteButtons.h"
#include "platform/TimeSource.h"

namespace {

// A press polled in the very millisecond the button was made leaves its
// down and up times equal, which IsDown reads as up.
bool HeldDown(const TJoyButton& Button) { return Button.LastDown >= Button.LastUp; }

}  // namespace

void TJudgePressLog::StartMatch() {
  FSeen.clear();
  FPresses.clear();
  FOpen.clear();
}

void TJudgePressLog::Observe(const TJudgeList& Judges, double Now, int32_t TransiencyMs) {
  const int32_t Count = std::min(Judges.Count(), MaxJudges);
  for (int32_t Index = 0; Index < Count; ++Index) {
    for (size_t Vote = 0; Vote < VoteButtons.size(); ++Vote) {
      const TJoyButton* Button = Judges[Index].Votes[Vote];
      if (!Button) continue;
      const double PressStart = Button->PressStart;
      auto [It, FirstSight] = FSeen.try_emplace(Button, TSeen{PressStart, false, NoPress});
      TSeen& Seen = It->second;
      // A vote left pending long ago stays pending: only a recent one is news.
      const bool NewPress = FirstSight
                                ? (HeldDown(*Button) || Button->IsPendingWithin(TransiencyMs, Now))
                                : PressStart != Seen.PressStart;
      if (NewPress) {
        // A press that began and ended between two looks still has both lines.
        if (Seen.Down) NoteRelease(*Button, Seen);
        NotePress(*Button, Seen, Index + 1, VoteButtons[Vote].Side == TSide::Red,
                  VoteButtons[Vote].Points);
      }
      if (Seen.Down && !HeldDown(*Button)) NoteRelease(*Button, Seen);
    }
  }
  AgeOut(Now, TransiencyMs);
}

void TJudgePressLog::NotePress(const TJoyButton& Button, TSeen& Seen, int32_t Judge, bool Red,
                               int32_t Points) {
  Seen.PressStart = Button.PressStart;
  Seen.Down = true;
  Seen.Press = FPresses.size();
  FPresses.push_back({Judge, Red, Points, Seen.PressStart});
  FOpen.push_back(Seen.Press);
  Emit({TJudgeAuditLine::Press, Seen.PressStart, Judge, Red, Points, {}, 0});
}

void TJudgePressLog::NoteRelease(const TJoyButton& Button, TSeen& Seen) {
  Seen.Down = false;
  const TPress& Press = FPresses[Seen.Press];
  // LastUp moves on at every poll that sees the button up; the first such
  // poll is the one handed over with the release.
  Emit({TJudgeAuditLine::Release, Button.LastUp, Press.Judge, Press.Red, Press.Points, {}, 0});
}

void TJudgePressLog::AgeOut(double Now, int32_t TransiencyMs) {
  const double Window = TransiencyMs / MsPerDay;
  auto Kept = FOpen.begin();
  for (const size_t Index : FOpen) {
    TPress& Press = FPresses[Index];
    if (Press.Scored) continue;
    if (BegunWithin(Press.Start, TransiencyMs, Now)) {
      *Kept++ = Index;
      continue;
    }
    Press.Lone = true;
    Emit({TJudgeAuditLine::Alone,
          Press.Start + Window,
          Press.Judge,
          Press.Red,
          Press.Points,
          {},
          0});
  }
  FOpen.erase(Kept, FOpen.end());
}

void TJudgePressLog::Scored(const std::vector<const TJoyButton*>& Votes, double Now) {
  std::vector<TPress*> Agreeing;
  for (const TJoyButton* Button : Votes) {
    const auto It = FSeen.find(Button);
    if (It == FSeen.end() || It->second.Press == NoPress) continue;
    Agreeing.push_back(&FPresses[It->second.Press]);
  }
  if (Agreeing.empty()) return;
  const auto [First, Last] = std::minmax_element(
      Agreeing.begin(), Agreeing.end(), [](TPress* A, TPress* B) { return A->Start < B->Start; });
  const double FirstStart = (*First)->Start;
  TJudgeAuditLine Line{TJudgeAuditLine::Score,   Now, 0, Agreeing.front()->Red,
                       Agreeing.front()->Points, {},  0};
  Line.SpreadMs = static_cast<int32_t>(std::lround(((*Last)->Start - FirstStart) * MsPerDay));
  for (TPress* Press : Agreeing) {
    Press->Scored = true;
    Press->DelayMs = std::round((Press->Start - FirstStart) * MsPerDay);
    Line.Judges.push_back(Press->Judge);
  }
  std::sort(Line.Judges.begin(), Line.Judges.end());
  Emit(Line);
}

std::vector<TJudgeSummary> TJudgePressLog::Summary(int32_t JudgeCount) const {
  int32_t Judges = JudgeCount;
  for (const TPress& Press : FPresses) Judges = std::max(Judges, Press.Judge);
  std::vector<TJudgeSummary> Summaries(static_cast<size_t>(std::max(Judges, 0)));
  std::vector<std::vector<double>> Delays(Summaries.size());
  for (size_t Index = 0; Index < Summaries.size(); ++Index) {
    Summaries[Index].Judge = static_cast<int32_t>(Index) + 1;
  }
  for (const TPress& Press : FPresses) {
    const auto Index = static_cast<size_t>(Press.Judge - 1);
    TJudgeSummary& Summary = Summaries[Index];
    ++Summary.Presses;
    if (Press.Lone) ++Summary.Lone;
    if (!Press.Scored) continue;
    ++Summary.Scored;
    Delays[Index].push_back(Press.DelayMs);
  }
  for (size_t Index = 0; Index < Summaries.size(); ++Index) {
    Summaries[Index].MedianDelayMs = Median(std::move(Delays[Index]));
  }
  return Summaries;
}

void TJudgePressLog::Emit(const TJudgeAuditLine& Line) const {
  if (OnLine) OnLine(Line);
}

std::optional<double> Median(std::vector<double> Values) {
  if (Values.empty()) return std::nullopt;
  const size_t Middle = Values.size() / 2;
  std::nth_element(Values.begin(), Values.begin() + static_cast<std::ptrdiff_t>(Middle),
                   Values.end());
  const double Upper = Values[Middle];
  if (Values.size() % 2 != 0) return Upper;
  const double Lower =
      *std::max_element(Values.begin(), Values.begin() + static_cast<std::ptrdiff_t>(Middle));
  return (Lower + Upper) / 2;
}
