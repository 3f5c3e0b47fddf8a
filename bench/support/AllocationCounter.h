#pragma once

#include <cstdint>

// How many times operator new has run in this program so far: a benchmark
// reads it around the code that must not allocate.
int64_t AllocationCount();
