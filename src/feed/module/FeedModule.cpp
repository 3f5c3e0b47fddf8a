// The feed module: the live feed with its HTTP, WebSocket and MQTT libraries,
// loaded by the program only when [Feed] asks for a feed.
#include "feed/FeedOutlet.h"
#include "feed/LiveFeed.h"
#include "platform/ProgramModule.h"
#include "platform/TimeSource.h"

extern "C" Q_DECL_EXPORT TFeedOutlet* DorvaneOpenFeed(const char* Version,
                                                      const TFeedSettings& Settings,
                                                      TTimeSource& Time) {
  if (!IsThisProgramsVersion(Version)) return nullptr;
  SetTimeSource(&Time);
  return new TLiveFeed(Settings);
}
