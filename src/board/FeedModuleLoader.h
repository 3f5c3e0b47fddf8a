#pragma once

#include <memory>

#include "feed/FeedOutlet.h"
#include "feed/FeedSettings.h"

// The live feed [Feed] asks for, from the feed module next to the program
// or in its installed library folder; nullptr when [Feed] asks for none, or
// when the module cannot be loaded (logged: the board then runs without it).
std::unique_ptr<TFeedOutlet> OpenFeedModule(const TFeedSettings& Settings);
