// The stopwatch's tick count in the native build, which has no GetTickCount: the monotonic clock
// in milliseconds, wrapping at 2^32 as the system's count does.
#include "kron.h"

#include <ctime>

static unsigned monotonicTicks() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (unsigned)((unsigned long long)now.tv_sec * 1000u + (unsigned long long)now.tv_nsec / 1000000u);
}

unsigned (*kron::ticks)() = monotonicTicks;
