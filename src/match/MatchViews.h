#pragma once

#include <functional>
#include <vector>

#include "match/MatchView.h"

// The views attached to one match, seen as one: what the round flow and the
// winner rules change reaches every view, in the order they attached.
class TMatchViews : public TBoardView {
 public:
  void Attach(TMatchView& View);
  void Detach(TMatchView& View);
  void ForEach(const std::function<void(TMatchView&)>& Show) const;
  void ShowJudgeLight(TSide Side, int32_t Judge, TColor Color) const;

  void SetClockText(const QString& Text) override;
  void SetClockColor(TColor Color) override;
  void SetStateText(const QString& Text) override;
  void SetStateColor(TColor Color) override;
  void SetPauseButtonCaption(const QString& Caption) override;
  void SetPauseButtonEnabled(bool Enabled) override;
  void SetInjuryButtonCaption(const QString& Caption) override;
  void SetInjuryButtonEnabled(bool Enabled) override;
  void SetClockCommandsEnabled(bool ClockExists) override;
  void SetRoundField(int Round) override;
  void ShowWinner(TSide Winner, bool Lit) override;
  void HideWinner() override;
  void ShowRoundsWon(int32_t RedRounds, int32_t BlueRounds) override;
  // An error is shown once, by the first view, not once per view.
  void ShowError(const QString& Message) override;

 private:
  std::vector<TMatchView*> FViews;
};
