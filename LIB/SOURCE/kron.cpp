// kron: the stopwatch, on GetTickCount's milliseconds.
#include "kron.h"

#include <windows.h>

void kron::start() { start_ = (int)GetTickCount(); }

double kron::elapsed() const { return ((int)GetTickCount() - start_) * 0.001; }

void kron::pause(double seconds) {
    kron k;
    k.start();
    while (k.elapsed() < seconds) {
    }
}
