#pragma once

#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

#include "feed/FeedOutlet.h"
#include "model/MatchSnapshot.h"

class TMatch;
class TfrmDorvane;

// The match as the board shows it now; nullopt while the clock counts but
// has not ticked since TicksAfter (Now()), so its time left is not known yet.
std::optional<TMatchSnapshot> BoardSnapshot(TfrmDorvane& Board, TMatch& Match, double TicksAfter);

// The live feed of the board: told after every redraw of the board, it builds
// the snapshot once the redraw is over and offers it to the feed. Without a
// feed (nullptr) it does nothing.
class TBoardFeed : public QObject {
 public:
  TBoardFeed(TfrmDorvane& Board, TMatch& Match, std::unique_ptr<TFeedOutlet> Feed);
  ~TBoardFeed() override;

  TFeedOutlet* Feed() const { return FFeed.get(); }

 private:
  void MatchChanged();
  void OfferSnapshot();

  TfrmDorvane& FBoard;
  TMatch& FMatch;
  std::unique_ptr<TFeedOutlet> FFeed;
  QTimer FPending;
  int FStaleTries = 0;
  // The clock state last seen (-1 no clock) and since when.
  int FSeenState = -1;
  double FStateSince = 0;
};
