#include "board/InterruptedMatch.h"

#include "match/Match.h"
#include "widgets/MessageBoxes.h"

void OfferInterruptedMatch(QWidget* Parent, TMatch& Match, const TInterruptedMatch& Interrupted) {
  const TJournalRead& Read = Interrupted.Read;
  if (!Read.State) {
    const QString Kept = Interrupted.KeptPath.isEmpty()
                             ? QString()
                             : QStringLiteral(" It is kept as %1.").arg(Interrupted.KeptPath);
    ShowErrorBox(Parent, QStringLiteral("The interrupted match could not be taken up: %1. "
                                        "A new match starts.%2")
                             .arg(Read.Error, Kept));
    return;
  }
  // The journal stays in place while the question is open: a crash now asks
  // again at the next start.
  const QString Question = QStringLiteral("Resume the interrupted match? (%1)")
                               .arg(JournalSummary(*Read.State, Read.AliveMs));
  if (AskYesNo(Parent, Question)) {
    Match.Resume(*Read.State, Read.AliveMs);
  } else {
    Match.SetInterruptedMatchAside();
  }
}
