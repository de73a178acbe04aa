// kron: the stopwatch, on GetTickCount's milliseconds.
#include "kron.h"

#include <windows.h>

void kron::start() { start_ = GetTickCount(); }

double kron::elapsed() const { return between(start_, GetTickCount()); }

void kron::pause(double seconds) {
    kron k;
    k.start();
    while (k.elapsed() < seconds) {
    }
}
