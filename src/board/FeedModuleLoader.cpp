#include "board/FeedModuleLoader.h"

#include "feed/FeedLog.h"
#include "platform/ProgramModule.h"
#include "platform/TimeSource.h"

std::unique_ptr<TFeedOutlet> OpenFeedModule(const TFeedSettings& Settings) {
  if (!Settings.AsksForAFeed()) return nullptr;
  static constexpr TProgramModule FeedModule{"dorvane-feed.so", lcFeed, "No live feed"};
  QString Error;
  return OpenProgramModule<TOpenFeedModule>(FeedModule, OpenFeedModuleSymbol, Error, Settings,
                                            TimeSource());
}
