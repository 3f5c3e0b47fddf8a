#pragma once

#include <QtGlobal>

#include "model/MatchSnapshot.h"

struct TFeedSettings;
class TTimeSource;

// The live feed as the board sees it. The program gets it from the feed
// module, which it loads only when [Feed] asks for a feed, so a board without
// one never loads the network libraries behind it.
class TFeedOutlet {
 public:
  virtual ~TFeedOutlet() = default;
  // The match as it stands; passed on when it differs from the last one.
  virtual void Offer(const TMatchSnapshot& Snapshot) = 0;
  // The feed server's port, 0 when it does not listen.
  virtual quint16 Port() const = 0;
};

// The feed module's one entry point. It answers nullptr to a program of
// another version, whose snapshots and settings it cannot read; otherwise it
// tells time by the program's Time, so both sides' times agree.
using TOpenFeedModule = TFeedOutlet* (*)(const char* Version, const TFeedSettings& Settings,
                                         TTimeSource& Time);
inline constexpr char OpenFeedModuleSymbol[] = "DorvaneOpenFeed";
