#include "media/pacing.h"

#include <cerrno>
#include <ctime>

namespace omb {
namespace {

constexpr long NapNs = 100'000;  // once less than a millisecond is left

timespec Later(timespec t, long ns) {
  t.tv_nsec += ns;
  while (t.tv_nsec >= 1'000'000'000) {
    t.tv_nsec -= 1'000'000'000;
    ++t.tv_sec;
  }
  return t;
}

}  // namespace

void NapFor(uint32_t ms) {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  // The deadline stays put, so a signal that cuts the sleep short does not
  // make the wait any longer.
  const timespec deadline = Later(now, ms > 1 ? static_cast<long>(ms - 1) * 1'000'000 : NapNs);
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
  }
}

uint32_t MonotonicTicks() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<uint32_t>(static_cast<uint64_t>(now.tv_sec) * 1000 + static_cast<uint64_t>(now.tv_nsec) / 1'000'000);
}

}  // namespace omb
