#include "board/InterruptedMatch.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

#include "clock/RoundFlow.h"
#include "match/Match.h"
#include "model/ShownScore.h"
#include "widgets/MessageBoxes.h"

namespace {

// The scores as the board showed them, penalties counted in the opponent's
// score where the rules count them so.
TJournalState AsShown(TJournalState State, TMatch& Match) {
  const bool Increment = Match.RoundFlow().PenaltyIncrementRule();
  const auto Shown = [Increment](int32_t Score, double OpponentPenalty) {
    return static_cast<int32_t>(std::clamp<int64_t>(ShownScore(Score, OpponentPenalty, Increment),
                                                    std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
  };
  State.RedScore = Shown(State.RedScore, State.BluePenalty);
  State.BlueScore = Shown(State.BlueScore, State.RedPenalty);
  return State;
}

}  // namespace

void OfferInterruptedMatch(QWidget* Parent, TMatch& Match, const TInterruptedMatch& Interrupted) {
  const TJournalRead& Read = Interrupted.Read;
  if (!Read.State) {
    const QString Kept = Interrupted.KeptPath.isEmpty()
                             ? QString()
                             : QCoreApplication::translate("Journal", " It is kept as %1.")
                                   .arg(Interrupted.KeptPath);
    ShowErrorBox(Parent,
                 QCoreApplication::translate("Journal",
                                             "The interrupted match could not be taken up: %1. "
                                             "A new match starts.%2")
                     .arg(Read.Error, Kept));
    return;
  }
  // The journal stays in place while the question is open: a crash now asks
  // again at the next start.
  const QString Question =
      QCoreApplication::translate("Journal", "Resume the interrupted match? (%1)")
          .arg(JournalSummary(AsShown(*Read.State, Match), Read.AliveMs));
  if (AskYesNo(Parent, Question)) {
    Match.Resume(*Read.State, Read.AliveMs);
  } else {
    Match.SetInterruptedMatchAside();
  }
}
