#include "board/InterruptedMatch.h"

#include <QCoreApplication>
#include <QFile>

#include "match/Match.h"
#include "widgets/MessageBoxes.h"

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
  const QString Question =
      QCoreApplication::translate("Journal", "Resume the interrupted match? (%1)")
          .arg(JournalSummary(*Read.State, Read.AliveMs));
  if (!AskYesNo(Parent, Question)) return;
  Match.Resume(*Read.State, Read.AliveMs);
  // The match lives on in the new journal.
  if (!Interrupted.KeptPath.isEmpty()) QFile::remove(Interrupted.KeptPath);
}
