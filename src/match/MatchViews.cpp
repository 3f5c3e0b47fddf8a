#include "match/MatchViews.h"

#include <algorithm>

void TMatchViews::Attach(TMatchView& View) {
  if (std::find(FViews.begin(), FViews.end(), &View) == FViews.end()) FViews.push_back(&View);
}

void TMatchViews::Detach(TMatchView& View) { std::erase(FViews, &View); }

void TMatchViews::ForEach(const std::function<void(TMatchView&)>& Show) const {
  // A view may detach while it draws (a window closing): walk a copy.
  const std::vector<TMatchView*> Views = FViews;
  for (TMatchView* View : Views) Show(*View);
}

void TMatchViews::ShowJudgeLight(TSide Side, int32_t Judge, TColor Color) const {
  ForEach([&](TMatchView& View) { View.ShowJudgeLight(Side, Judge, Color); });
}

void TMatchViews::SetClockText(const QString& Text) {
  ForEach([&](TMatchView& View) { View.SetClockText(Text); });
}
void TMatchViews::SetClockColor(TColor Color) {
  ForEach([&](TMatchView& View) { View.SetClockColor(Color); });
}
void TMatchViews::SetStateText(const QString& Text) {
  ForEach([&](TMatchView& View) { View.SetStateText(Text); });
}
void TMatchViews::SetStateColor(TColor Color) {
  ForEach([&](TMatchView& View) { View.SetStateColor(Color); });
}
void TMatchViews::SetPauseButtonCaption(const QString& Caption) {
  ForEach([&](TMatchView& View) { View.SetPauseButtonCaption(Caption); });
}
void TMatchViews::SetPauseButtonEnabled(bool Enabled) {
  ForEach([&](TMatchView& View) { View.SetPauseButtonEnabled(Enabled); });
}
void TMatchViews::SetInjuryButtonCaption(const QString& Caption) {
  ForEach([&](TMatchView& View) { View.SetInjuryButtonCaption(Caption); });
}
void TMatchViews::SetInjuryButtonEnabled(bool Enabled) {
  ForEach([&](TMatchView& View) { View.SetInjuryButtonEnabled(Enabled); });
}
void TMatchViews::SetClockCommandsEnabled(bool ClockExists) {
  ForEach([&](TMatchView& View) { View.SetClockCommandsEnabled(ClockExists); });
}
void TMatchViews::SetRoundField(int Round) {
  ForEach([&](TMatchView& View) { View.SetRoundField(Round); });
}

void TMatchViews::ShowWinner(TSide Winner, bool Lit) {
  ForEach([&](TMatchView& View) { View.ShowWinner(Winner, Lit); });
}

void TMatchViews::HideWinner() {
  ForEach([](TMatchView& View) { View.HideWinner(); });
}

void TMatchViews::ShowRoundsWon(int32_t RedRounds, int32_t BlueRounds) {
  ForEach([=](TMatchView& View) { View.ShowRoundsWon(RedRounds, BlueRounds); });
}

void TMatchViews::ShowError(const QString& Message) {
  if (!FViews.empty()) FViews.front()->ShowError(Message);
}
