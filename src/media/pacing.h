// Waiting for the next frame without burning a core: most of the wait is one
// sleep to an absolute deadline on the monotonic clock, and only the last
// stretch before the millisecond tick turns is taken in short naps.
#pragma once
#include <cstdint>

namespace omb {

// Spends about `ms` milliseconds: sleeps to a deadline a millisecond short of
// it, or naps a tenth of a millisecond when less than that is left, so that a
// caller re-reading a millisecond clock sees its tick turn within about
// 0.1 ms and the core sleeps nearly all of the time.
void NapFor(uint32_t ms);

// A millisecond tick count on the monotonic clock, as a platform gives it.
uint32_t MonotonicTicks();

}  // namespace omb
