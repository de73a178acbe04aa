// kron: the stopwatch, on the tick count's milliseconds.
#include "kron.h"

void kron::start() {
    start_ = ticks();
}

double kron::elapsed() const {
    return between(start_, ticks());
}

void kron::pause(double seconds) {
    kron k;
    k.start();
    while (k.elapsed() < seconds) {
    }
}
