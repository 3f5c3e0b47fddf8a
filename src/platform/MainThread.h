#pragma once

#include <functional>

// Runs Fn on the main (GUI) thread and returns when it has run. Called on the
// main thread it runs Fn at once (a queued blocking call to ourselves would
// deadlock). Once the hand-off has been shut down (program end) it returns
// without running Fn, so a worker can never block on a main thread that is
// waiting for it. An exception thrown by Fn reaches the caller.
void RunOnMainThread(const std::function<void()>& Fn);

// Queues Fn to run on the main thread later and returns at once; for a worker
// that needs no answer. Called on the main thread it runs Fn at once. Hand-offs,
// posted or blocking, run in the order they were made. Dropped when the hand-off is shut down
// before it runs.
void PostToMainThread(std::function<void()> Fn);

// Program end: hand-offs waiting for the main thread return at once without
// running, and so do later ones; posted calls are dropped. Call it on the main
// thread before waiting for a worker that may be blocked in a hand-off.
void ShutdownMainThreadHandOff();

// Opens the hand-off again after a shutdown (a test process shuts it down
// more than once).
void ReopenMainThreadHandOff();

// Runs, on the main thread, the hand-offs queued so far, posted ones and those
// workers are blocked in, in their order. Lets the main thread wait for a
// worker without a deadlock.
void RunPendingMainThreadHandOffs();
