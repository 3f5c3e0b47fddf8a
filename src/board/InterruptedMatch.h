#pragma once

#include "record/MatchJournal.h"

class QWidget;
class TMatch;

// Asks whether to take up the interrupted match; Yes restores it into Match,
// whose journal carries it on, No moves its journal aside as
// Data/interrupted-<date-time>. A journal that could not be read is
// reported, and the new match starts fresh.
void OfferInterruptedMatch(QWidget* Parent, TMatch& Match, const TInterruptedMatch& Interrupted);
