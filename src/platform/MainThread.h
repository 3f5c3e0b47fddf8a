#pragma once

#include <functional>

// Runs Fn on the main (GUI) thread and returns when it has run. Called on the
// main thread it runs Fn at once (a queued blocking call to ourselves would
// deadlock). Once the hand-off has been shut down (program end) it returns
// without running Fn, so a worker can never block on a main thread that is
// waiting for it.
void RunOnMainThread(const std::function<void()>& Fn);
