// The stopwatch's tick count in the Windows build: GetTickCount.
#include "kron.h"

#include <windows.h>

static unsigned systemTicks() {
    return GetTickCount();
}

unsigned (*kron::ticks)() = systemTicks;
